#include "tests/fuzz/DocumentFuzzInput.h"

#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
#include "framework/DeviceContext.h"

#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
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
    CTovarineDocData doc;
    if (!Load(doc, std::vector<uint8_t>(data, data + size)))
        return;
    CheckStable(doc);
    // Drawing lays the labels out, which the file keeps.
    Draw(doc);
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
