#pragma once

#include <functional>

// The models edit their data in dialogs that live in the windowing layer
// above them. A model asks for its dialog through this seam; the program
// fills it at start-up, and tests fill it with whatever answers they need.
//
// The model hands the seam a copy of itself: the seam returns true when the
// user confirmed (OK), and only then does the model take the copy back.
template <class Model> struct DialogSeam {
    static inline std::function<bool(Model&)> run;

    // Runs the dialog on a copy; false when no dialog is set or it was
    // cancelled, and then the model stays as it was. On OK, accepted runs
    // (the document's undo snapshot) before the copy is taken back.
    static bool Edit(Model& model, const std::function<void()>& accepted = {}) {
        if (!run)
            return false;
        Model copy(model);
        if (!run(copy))
            return false;
        if (accepted)
            accepted();
        model = copy;
        return true;
    }
};
