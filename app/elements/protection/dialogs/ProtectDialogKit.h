#pragma once

// Building blocks of the protective elements' dialogs: typed numbers read
// strictly (a text that is no number is refused with a message, never read
// as 0), the product boxes (maker, group, type) filled from the breaker
// database with the stored names selected, and the caption of the detail
// sheet.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

class CInfoBase;
class CReadBase;
class QComboBox;

namespace machinedlg {
class CRowDialog;
}

namespace protectdlg {

// The value of a typed text when the whole text (blanks around it aside) is
// one finite number; nothing for an empty text, letters, "nan" or "inf".
std::optional<double> ParseNumber(const std::string& text);

// A typed field that OK checks before the model's own check.
struct TypedField {
    unsigned id;       // control id of the edit or editable combo box
    const char* label; // its label, as the message names it
    bool negativeAllowed = false;
};

// The first field whose text is no number (or negative where that is not
// allowed) gets the message that says so and the focus; its id, else 0.
unsigned DoCheckTypedFields(machinedlg::CRowDialog& dialog,
                            std::initializer_list<TypedField> fields);

// Fills a box with the makers of the selection's kind and selects the
// stored maker by its name; a name the database lacks is warned about
// (table "Manufacturer") and leaves the box without a selection. True when
// the stored maker was found.
bool DoFillMakers(QComboBox* box, const CInfoBase& selection);
// The groups of the stored maker, the stored group selected ("Break_Group").
bool DoFillGroups(QComboBox* box, const CInfoBase& selection);
// The types of the stored maker and group, the stored type selected
// ("Break_Type"); a stored type the database lacks is shown by its name, as
// an entry without an id.
bool DoFillTypes(QComboBox* box, const CInfoBase& selection);

// The item id of a box's entry, 0 without one.
int32_t ItemId(const QComboBox* box, int index);

// "Detail - [type]": the caption of the detail sheet of a type.
std::string DetailCaption(const std::string& typeName);

} // namespace protectdlg
