#pragma once

#include "framework/Document.h"

#include <string>

// The project document. This part of it takes part in the program's frame:
// closing the active project before another is opened or created, the title
// that the view frames show, and the skeleton frame's element bar. The
// project's data, file format, modes and commands belong to it as well.
class CTovarineDoc : public fw::CDocument {
public:
    CTovarineDoc();

    // 1 when the document was closed (after the save question when it was
    // modified), 0 when the user kept it. The document is gone after 1.
    int DoCloseDocument();
    // The title, with the extension of the project file type when the title
    // has none ("Plant" gives "Plant.tv2", "Plant.old" stays).
    std::string GetTitleWithExtension() const;
    // Shows (1) or hides (any other value) the element toolbar of the
    // skeleton frame, when that frame is open and the state changes.
    void ShowElementBar(int show);

    bool DoSave(const std::string& path, bool replace = true) override;
    void Serialize(fw::CArchive& ar) override;
};
