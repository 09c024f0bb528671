#pragma once

#include <QDockWidget>
#include <QIcon>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TDokument;
namespace drun {
enum class StavMistnosti;
}

// The tree of the rozvod beside the element list: its sections as they
// branch, each named by its Id and its room, a failing room marked red.
// Choosing a section shows its path. A dock the user may hide.
class TStromRozvodu : public QDockWidget {
    Q_OBJECT
  public:
    TStromRozvodu(TDokument& dokument, QWidget* rodic);

    QTreeWidget* Strom;
    // The item of section u, or none.
    QTreeWidgetItem* Polozka(size_t u) const;
    // What section u's item shows in `role` (text, tip, mark, colour), from
    // the rozvod as it is now.
    QVariant DataUseku(size_t u, int role) const;

  public slots:
    // Built anew from the document (its sections and their rooms' verdicts).
    void Obnov();

  private:
    TDokument& dokument_;
    bool plni_ = false;
    std::vector<QTreeWidgetItem*> polozky_;  // per section, as last built
    std::vector<drun::StavMistnosti> stavy_; // per room, as last evaluated
    QIcon cervena_;
};

// "3 místnosti": a count of rooms as Czech says it.
QString PocetMistnosti(int n);
