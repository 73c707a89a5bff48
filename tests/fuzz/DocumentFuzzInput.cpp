#include "tests/fuzz/DocumentFuzzInput.h"

#include "app/protection/CObjGraph.h"
#include "app/records/ModelDatabases.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
#include "framework/Database.h"
#include "framework/DbException.h"
#include "framework/DeviceContext.h"
#include "framework/ProgramFolder.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Stop(const char* what) {
    std::fprintf(stderr, "document fuzz: %s\n", what);
    std::abort();
}

std::vector<uint8_t> Store(CTovarineDocData& doc) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    doc.Serialize(ar);
    return ar.Bytes();
}

// Loads as the document opens a file; false for a stream it refuses, and
// why in the message.
bool Load(CTovarineDocData& doc, std::vector<uint8_t> bytes, std::string* message = nullptr) {
    fw::CArchive ar = fw::CArchive::ForLoading(std::move(bytes));
    try {
        doc.Serialize(ar);
    } catch (const fw::CArchiveException& e) {
        if (message)
            *message = e.what();
        doc.DoResetData();
        return false;
    }
    if (ar.Remaining() != 0) {
        if (message)
            *message = std::to_string(ar.Remaining()) + " bytes left over";
        doc.DoResetData();
        return false;
    }
    return true;
}

// What the views do with a project just opened: the skeleton's trackers in
// the view's mapping, then every group laid out and drawn with its labels,
// on the skeleton and on the impedance map. The whole frame is mapped onto a
// small image, so that every group is inside the painted area.
void Draw(CTovarineDocData& doc) {
    QImage image(48, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    fw::CDC dc(&painter);
    const CInfoSkeleton& info = doc.m_infoSkeleton;
    dc.SetMapMode(fw::MM_ISOTROPIC);
    dc.SetWindowExt(info.m_nFrameCountX * kGridUnit, info.m_nFrameCountY * kGridUnit);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportExt(image.width(), image.height());
    for (auto& group : doc.m_listGroups)
        group->DoCalcTrackerRect(&dc);
    doc.m_listGroups.DoDrawSkeleton(&dc, doc);
    doc.m_listGroups.DoDrawImpeMap(&dc, doc);
}

// The reference databases beside the program, opened once for the whole run
// and handed to the models as the program hands over its own: a project's
// breakers read their characteristics when loaded, so that their curves are
// there to be drawn. Without the files the models read nothing, as in a
// program whose databases are missing.
void UseReferenceDatabases() {
    static bool done = false;
    if (done)
        return;
    done = true;
    static fw::CDatabase breaker, curve, equip, list;
    auto open = [](fw::CDatabase& db, const char* name) -> fw::CDatabase* {
        const std::string path = fw::GetProgramFolder() + name;
        if (!QFileInfo::exists(QString::fromStdString(path)))
            return nullptr;
        try {
            db.Open(path);
        } catch (const fw::CDbException&) {
            return nullptr;
        }
        return &db;
    };
    CModelDatabases dbs;
    dbs.pBreaker = open(breaker, "dorventa.mdb");
    dbs.pCurve = open(curve, "orbelune.mdb");
    dbs.pEquip = open(equip, "sarquine.mdb");
    dbs.pList = open(list, "quenlor.mdb");
    SetModelDatabases(dbs);
}

// Every co-ordination graph as the co-ordination view shows it when it is
// the current one, at its own zoom: the layout, the grid, scales and titles,
// then the curves and labels of the elements on it, clipped to the plot.
// Then its DXF entities, laid out on copies as the DXF output does. The
// view's mapping is put onto a small image.
void DrawGraphs(CTovarineDocData& doc) {
    QImage image(64, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    const CEleDocSettings settings = doc.GetEleSettings();
    for (auto& owned : doc.m_listGraphs) {
        CObjGraph& graph = *owned;
        fw::CDC dc(&painter);
        const int32_t zoom = graph.m_nZoom > 0 ? graph.m_nZoom : 100;
        dc.SetMapMode(fw::MM_ISOTROPIC);
        dc.SetWindowExt(10000, 10000);
        if (zoom <= 100)
            dc.SetWindowOrg(0, 1000000 / zoom);
        else
            dc.SetWindowOrg(100 - 3 * zoom, 10000);
        const fw::CRect plot = graph.DoCalcGraphRect(100000 / zoom, 60000 / zoom, 9500, 9800);
        const int64_t width = std::max<int64_t>(1, int64_t{plot.Width()} * zoom / 100);
        const int64_t height = std::max<int64_t>(1, int64_t{image.height()} * zoom / 100);
        dc.SetViewportExt(static_cast<int>(std::min<int64_t>(width, 1 << 30)),
                          -static_cast<int>(std::min<int64_t>(height, 1 << 30)));
        const fw::CRect frame =
            graph.DrawGraph(&dc, plot.left, plot.top, plot.right, plot.bottom, fw::CSize());
        const std::vector<CObjElement*> elements = doc.GetElementsOnGraph(&graph);
        graph.DoDrawAllCurves(&dc, settings, {elements.begin(), elements.end()}, frame);

        std::ostringstream dxf;
        dxf.imbue(std::locale::classic());
        doc.DoDXFOutGraph(dxf, CTovarineDocData::MakeDXFGraph(graph));
    }
}

// Stored, loaded into a new document and stored again: the same bytes.
std::vector<uint8_t> CheckStable(CTovarineDocData& doc) {
    std::vector<uint8_t> first = Store(doc);
    CTovarineDocData back;
    std::string message;
    if (!Load(back, first, &message)) {
        std::fprintf(stderr, "document fuzz: %s\n", message.c_str());
        Stop("a stored project does not read back");
    }
    if (Store(back) != first)
        Stop("a stored project reads back different");
    return first;
}

} // namespace

void RunDocumentFuzzInput(const uint8_t* data, size_t size) {
    UseReferenceDatabases();
    CTovarineDocData doc;
    if (!Load(doc, std::vector<uint8_t>(data, data + size)))
        return;
    CheckStable(doc);
    // Drawing lays the labels out, which the file keeps.
    Draw(doc);
    DrawGraphs(doc);
    const std::vector<uint8_t> drawn = CheckStable(doc);
    doc.SaveUndo();
    if (!doc.DoRestoreUndo())
        Stop("an undo snapshot just taken is not there");
    if (Store(doc) != drawn)
        Stop("a project put back from its undo snapshot stores different");
}

// Labels in characters that no loaded font has make fontconfig look for a
// fallback font once, and it keeps what it found in caches of its own that
// the leak checker cannot see: not a leak of this program.
// The compound-file library, reading a damaged directory, drops an entry it
// has made (linked into no tree, never freed) before it returns: its own
// memory, which no handle of ours holds (the file it returns is released by
// its handle on every path).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:gsf_infile_msole_new\n";
}
