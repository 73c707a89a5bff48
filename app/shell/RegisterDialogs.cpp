#include "RegisterDialogs.h"

#include "app/records/DialogSeam.h"

// One line a model: DialogSeam<Model>::run = [](Model& m) { ...dialog... };
void RegisterDialogs() {
}
