// A building model as exports write it: a fan, a trunk and thousands of
// branches (junction, duct, bend, duct, terminal), every element with its
// placement, body and a tessellated shape the import does not read. The
// import (the file parsed, the network read, walked and mapped) against the
// reader's own first stage, splitting the file into checked entities
// (x_deleni), and against a bare split at every ';' (x_podlaha); the
// import's peak memory against the file's size.
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "Pomocnik.h"
#include "io/Ifc.h"

using namespace drun;

namespace {

// Bytes allocated now and at most since the last reset.
std::atomic<long long> gNyni{0}, gSpicka{0};

void Pridano(void* p) {
    if (!p) return;
    const long long n = gNyni += (long long)malloc_usable_size(p);
    long long s = gSpicka.load();
    while (n > s && !gSpicka.compare_exchange_weak(s, n)) {
    }
}

class Model {
  public:
    std::string Text(int koncovych) {
        t_ = "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('ViewDefinition "
             "[CoordinationView]'),'2;1');\n"
             "FILE_NAME('budova.ifc','2026-01-01T00:00:00',(''),(''),'','','');\n"
             "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n";
        const int mm = E("IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)");
        const int ua = E("IFCUNITASSIGNMENT((" + R(mm) + "))");
        kontext_ = E("IFCGEOMETRICREPRESENTATIONCONTEXT($,'Model',3,1.E-05,$,$)");
        E("IFCPROJECT(" + G() + ",$,'Budova',$,$,$,$,(" + R(kontext_) + ")," + R(ua) + ")");
        o2_ = E("IFCAXIS2PLACEMENT2D(" + R(E("IFCCARTESIANPOINT((0.,0.))")) + ",$)");
        dz_ = E("IFCDIRECTION((0.,0.,1.))");
        std::vector<int> system;
        auto [ventilator, vp] = Prvek("IFCFAN", "PV-1", "$", 2, ".CENTRIFUGALAIRFOIL.");
        system.push_back(ventilator);
        int konec = vp[1];
        for (int i = 0; i < koncovych; ++i) {
            auto [s, sp] = Prvek("IFCDUCTSEGMENT", "Potrubí 800x500", Telo(800, 500, 1000), 2,
                                 ".RIGIDSEGMENT.");
            Spoj(konec, sp[0]);
            auto [j, jp] = Prvek("IFCDUCTFITTING", "T-kus", "$", 3, ".JUNCTION.");
            Spoj(sp[1], jp[0]);
            auto [a, ap] =
                Prvek("IFCDUCTSEGMENT", "Potrubí D200", Telo(200, 0, 2000), 2, ".RIGIDSEGMENT.");
            Spoj(jp[1], ap[0]);
            auto [b, bp] = Prvek("IFCDUCTFITTING", "Oblouk", Telo(200, 0, 300), 2, ".BEND.");
            Spoj(ap[1], bp[0]);
            auto [c, cp] =
                Prvek("IFCDUCTSEGMENT", "Potrubí D200", Telo(200, 0, 1500), 2, ".RIGIDSEGMENT.");
            Spoj(bp[1], cp[0]);
            auto [v, vp2] = Prvek("IFCAIRTERMINAL", "Vyústka " + std::to_string(i),
                                  Telo(300, 300, 50), 1, ".DIFFUSER.");
            Spoj(cp[1], vp2[0]);
            system.insert(system.end(), {s, j, a, b, c, v});
            konec = jp[2];
        }
        const int sys = E("IFCDISTRIBUTIONSYSTEM(" + G() + ",$,'Přívod',$,$,$,.VENTILATION.)");
        std::string clenove;
        for (int p : system)
            clenove += (clenove.empty() ? "" : ",") + R(p);
        E("IFCRELASSIGNSTOGROUP(" + G() + ",$,$,$,(" + clenove + "),$," + R(sys) + ")");
        t_ += "ENDSEC;\nEND-ISO-10303-21;\n";
        return std::move(t_);
    }

  private:
    int E(const std::string& s) {
        t_ += "#" + std::to_string(++n_) + "=" + s + ";\n";
        return n_;
    }
    static std::string R(int n) { return "#" + std::to_string(n); }
    std::string G() {
        std::string g = "'3" + std::to_string(1000000000 + ++guid_) + "AbCdEfGhIjK'";
        return g;
    }
    std::string Bod(double x, double y, double z) {
        return R(E("IFCCARTESIANPOINT((" + std::to_string(x) + "," + std::to_string(y) + "," +
                   std::to_string(z) + "))"));
    }
    std::string Umisteni() {
        const int a = E("IFCAXIS2PLACEMENT3D(" + Bod(n_ * 1.5, n_ * 0.25, 3000.) + "," + R(dz_) +
                        "," + R(E("IFCDIRECTION((1.,0.,0.))")) + ")");
        return R(E("IFCLOCALPLACEMENT($," + R(a) + ")"));
    }
    // The body's extrusion and a tessellated shape beside it, as exports give both.
    std::string Telo(double a, double b, double delka) {
        const int profil =
            b > 0 ? E("IFCRECTANGLEPROFILEDEF(.AREA.,$," + R(o2_) + "," + std::to_string(a) + "," +
                      std::to_string(b) + ")")
                  : E("IFCCIRCLEPROFILEDEF(.AREA.,$," + R(o2_) + "," + std::to_string(a / 2) + ")");
        const int tel = E("IFCEXTRUDEDAREASOLID(" + R(profil) + "," +
                          R(E("IFCAXIS2PLACEMENT3D(" + Bod(0, 0, 0) + ",$,$)")) + "," + R(dz_) +
                          "," + std::to_string(delka) + ")");
        std::string body;
        for (int i = 0; i < 16; ++i)
            body += std::string(i ? "," : "") + "(" + std::to_string(i * 12.5) + "," +
                    std::to_string(a * 0.5) + "," + std::to_string(delka * (i % 2)) + ")";
        const int seznam = E("IFCCARTESIANPOINTLIST3D((" + body + "))");
        const int sit =
            E("IFCTRIANGULATEDFACESET(" + R(seznam) +
              ",$,.T.,((1,2,3),(2,3,4),(3,4,5),(4,5,6),(5,6,7),(6,7,8),(7,8,9),(8,9,"
              "10),(9,10,11),(10,11,12),(11,12,13),(12,13,14),(13,14,15),(14,15,16)),$)");
        const int r1 =
            E("IFCSHAPEREPRESENTATION(" + R(kontext_) + ",'Body','SweptSolid',(" + R(tel) + "))");
        const int r2 =
            E("IFCSHAPEREPRESENTATION(" + R(kontext_) + ",'Body','Tessellation',(" + R(sit) + "))");
        return R(E("IFCPRODUCTDEFINITIONSHAPE($,$,(" + R(r1) + "," + R(r2) + "))"));
    }
    std::pair<int, std::vector<int>> Prvek(const std::string& trida, const std::string& nazev,
                                           const std::string& telo, int portu,
                                           const std::string& druh) {
        const int p = E(trida + "(" + G() + ",$,'" + nazev + "',$,$," + Umisteni() + "," + telo +
                        ",$," + druh + ")");
        std::vector<int> porty;
        std::string seznam;
        for (int i = 0; i < portu; ++i) {
            porty.push_back(E("IFCDISTRIBUTIONPORT(" + G() + ",$,'Port',$,$," + Umisteni() +
                              ",$,.SOURCE.,.DUCT.,.AIRCONDITIONING.)"));
            seznam += (i ? "," : "") + R(porty.back());
        }
        E("IFCRELNESTS(" + G() + ",$,$,$," + R(p) + ",(" + seznam + "))");
        return {p, porty};
    }
    void Spoj(int a, int b) {
        E("IFCRELCONNECTSPORTS(" + G() + ",$,$,$," + R(a) + "," + R(b) + ",$)");
    }

    std::string t_;
    int n_ = 0, guid_ = 0, kontext_ = 0, o2_ = 0, dz_ = 0;
};

const std::string& Soubor(int koncovych) {
    static std::map<int, std::string> modely;
    auto& m = modely[koncovych];
    if (m.empty()) m = Model().Text(koncovych);
    return m;
}

// The import as the command line makes it, without writing the file.
size_t Import(const std::string& text) {
    GrafSite g;
    if (!CtiIfcZTextu(text, "budova.ifc", g).Ok()) return 0;
    const ImportIfc i = ImportujIfc(g, 0, {});
    return i.Koncove.size();
}

void ImportModelu(benchmark::State& st) {
    const std::string& text = Soubor(int(st.range(0)));
    // The floor must see the entities the import reads, and the import every terminal.
    GrafSite g;
    if (!CtiIfcZTextu(text, "budova.ifc", g).Ok() || Import(text) != size_t(st.range(0)) ||
        PocetEntitIfc(text) != RozdelIfc(text))
        return st.SkipWithError("the generated model does not import");
    gSpicka = gNyni.load();
    const long long pred = gNyni.load();
    Import(text);
    st.counters["x_pamet"] = double(text.size() + size_t(gSpicka - pred)) / double(text.size());
    st.counters["MB"] = double(text.size()) / 1e6;
    Porovnej(
        st, "x_deleni", [] {}, [&] { benchmark::DoNotOptimize(Import(text)); },
        [&] { benchmark::DoNotOptimize(RozdelIfc(text)); });
}

void ImportProtiPodlaze(benchmark::State& st) {
    const std::string& text = Soubor(int(st.range(0)));
    Porovnej(
        st, "x_podlaha", [] {}, [&] { benchmark::DoNotOptimize(Import(text)); },
        [&] { benchmark::DoNotOptimize(PocetEntitIfc(text)); });
}

BENCHMARK(ImportModelu)->Arg(1700)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportProtiPodlaze)->Arg(1700)->Unit(benchmark::kMillisecond);

} // namespace

void* operator new(size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    Pridano(p);
    return p;
}
void operator delete(void* p) noexcept {
    if (p) gNyni -= (long long)malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    operator delete(p);
}

int main(int argc, char** argv) {
    return SpustBenchmarky(
        argc, argv,
        {{"ImportModelu/1700", "x_deleni", 2.0}, {"ImportModelu/1700", "x_pamet", 5.0}});
}
