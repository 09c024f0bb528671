#pragma once

#include <QUndoCommand>
#include <memory>

#include "core/Snimek.h"

class THlavniForm;

// One step of the calculation's history: the calculation before and after it
// and the element shown at each. The step is already done when it is pushed.
class TKrokVypoctu : public QUndoCommand {
  public:
    using Snimek = std::shared_ptr<const drun::SnimekVypoctu>;
    TKrokVypoctu(THlavniForm& okno, const QString& text, Snimek pred, int aktualniPred, Snimek po,
                 int aktualniPo);
    void undo() override;
    void redo() override;

  private:
    THlavniForm& okno_;
    Snimek pred_, po_;
    int aktualniPred_, aktualniPo_;
    bool hotovo_ = true;
};
