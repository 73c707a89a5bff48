#pragma once

#include "catalogue/model/CZedezuziDocData.h"

#include "framework/CompoundFile.h"
#include "framework/Document.h"

#include <functional>
#include <memory>

class QDialog;

// The catalogue program's document: the conditions of its four searches,
// the kind of the last one, the breakers it found, the print settings and
// the one-level undo (CZedezuziDocData), with the commands that run the
// search dialogs, undo and the page and print set-up. It is stored as a
// compound file whose "Contents" stream holds its archive; the other
// storages of a file it read are written back unchanged.
class CZedezuziDoc : public fw::CDocument, public CZedezuziDocData {
public:
    CZedezuziDoc();

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    // An archive error (a refused version, a damaged or cut stream) shows
    // message 25349 with the version record the file carried; any other
    // failure the path, " : " and the reason; both with the stop icon.
    void ReportSaveLoadException(const std::string& path, const std::exception* e,
                                 bool saving) override;

    // Rebuilds the table of the stored kind (the view's initial update).
    void DoRebuildTables();

    // The commands of the document.
    void OnSearchOptional();
    void OnSearchCascade();
    void OnSearchSelective();
    void OnSearchCoordination();
    void OnEditUndo();
    void OnFilePageSetup();
    void OnFilePrintSetup();

    // Runs a dialog modally: exec(), or what a test put in its place.
    using DialogRunner = std::function<int(QDialog&)>;
    static int RunDialog(QDialog& dialog);
    // Installs a runner and returns the one it replaces; an empty one
    // restores exec().
    static DialogRunner SetDialogRunner(DialogRunner runner);

private:
    // After a change: modified, and every view told.
    void DoChanged();
    CZedezuziVersions Versions();

    // The file this document was read from, kept for its other storages.
    std::unique_ptr<fw::CCompoundFile> m_pFile;
};
