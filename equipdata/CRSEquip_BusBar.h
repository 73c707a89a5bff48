#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// Table Equip_BusBar: flat bars by width, thickness and bars per phase, with
// the factors that the geometry alone cannot give. Rows are read in table
// order, which groups them by width, thickness and number.
class CRSEquip_BusBar : public CSarquineRecordset {
public:
    explicit CRSEquip_BusBar(fw::CDatabase* database = nullptr);

    int32_t m_lBusBarID = 0;
    int32_t m_bIsDefaultW = 0;
    int16_t m_nWidth = 0; // mm
    int32_t m_bIsDefaultT = 0;
    int16_t m_nThickness = 0; // mm
    int32_t m_bIsDefaultN = 0;
    int16_t m_nNumber = 0; // bars per phase
    double m_ddm = 0.0;    // mm, added to the width in the reactance
    double m_dSkinEffect = 0.0;
    double m_dCuIzPainted = 0.0;
    double m_dCuIzBare = 0.0;
    double m_dAlIzPainted = 0.0;
    double m_dAlIzBare = 0.0;
    double m_dk3Painted = 0.0;
    double m_dk3Bare = 0.0;
    double m_dProximityk4 = 0.0;

    std::string GetDefaultSQL() const override { return "[Equip_BusBar]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Lists the widths of at least `minWidth` ("%d", item data the width;
    // a width repeating the row before is not listed again) and selects the
    // default width. Returns the default width, 0 when there is none or the
    // box refuses an entry. Without a box only the default is read.
    int DoReadSetDefaultWidth(fw::IComboBox* box, double minWidth);
    // The same for the thicknesses of one width, of at least `minThickness`.
    int DoReadSetDefaultThickness(fw::IComboBox* box, int width, double minThickness);
    // The same for the numbers of bars of one width and thickness, of at
    // least `minNumber`.
    int DoReadSetDefaultNumber(fw::IComboBox* box, int width, int thickness, double minNumber);

    // The default geometry: the last row that is the default of all three
    // lists. Returns its id, 0 when none (outputs untouched).
    int32_t DoReadByDefault(int* width, int* thickness, int* number);
    // The skin-effect factor and dm of a geometry (last matching row).
    int32_t DoReadZByValues(unsigned width, unsigned thickness, unsigned number, double* skinEffect,
                            double* ddm);
    // The current data of a geometry (last matching row).
    int32_t DoReadIByValues(unsigned width, unsigned thickness, unsigned number, double* ddm,
                            double* cuIzPainted, double* cuIzBare, double* alIzPainted,
                            double* alIzBare, double* k3Painted, double* k3Bare,
                            double* proximityK4);

private:
    void SetFilterByLimit(int width, double minWidth, double minThickness);
    void SetFilterByValue(double width, double thickness, double number);
    // One list of the three fillers; `key` and `flag` are the bound members
    // (binding index `keyIndex`) that the list shows and defaults by.
    int FillList(fw::IComboBox* box, const int16_t& key, int keyIndex, const int32_t& flag,
                 double minKey);
    template <class Take> int32_t ReadLastMatch(Take take);
};
