#pragma once

#include "ModelessSheet.h"

#include "framework/PropertySheet.h"

#include <cstdint>
#include <string>
#include <vector>

class CAdjustDelay;
class CAdjustLine;
class CAdjustPart;
class CAdjustRated;
class CAdjustSheet;
class CInfoLine;
class CObjAdjust;
class CObjElement;
class CTovarineDocData;

// What the dial adjustment sheet asks of the co-ordination view that opened
// it: each change announced before it is made and finished after it (the
// curve recomputed and redrawn, the document modified, every view told),
// and the notice that the sheet closed, after which the view holds no
// pointer to it.
class CAdjustSheetHost {
public:
    virtual ~CAdjustSheetHost() = default;
    virtual void OnElementChanging(CObjElement* element, int32_t hint) = 0;
    virtual void OnElementChanged(CObjElement* element, int32_t hint) = 0;
    virtual void OnAdjustSheetClosed() = 0;
};

// The hints of a change made in the sheet.
namespace adjusthint {
constexpr int32_t kSetting = 14;   // an ordinary setting
constexpr int32_t kRatedList = 15; // the rating chosen from the list
constexpr int32_t kRatedStep = 16; // the rating or magnification stepped
constexpr int32_t kCharacter = 17; // the dial character changed
constexpr int32_t kLock = 18;      // the lock changed
} // namespace adjusthint

// A page of the sheet: it reaches its data only through a sheet that has
// found its element again.
class CAdjustPage : public fw::CPropertyPage {
public:
    CAdjustPage(CAdjustSheet* sheet, unsigned templateId, const std::string& caption);
    // Remembers the page on show in the characteristic, so that the view
    // reopens the sheet there.
    bool OnSetActive() override;

protected:
    CAdjustSheet* m_pAdjustSheet;
};

// The modeless sheet in which the user turns the dials of one device on the
// co-ordination view and sees its curve move at once: the rating page (the
// first characteristic only), a dial page per trip element, the delay page
// when the device has a breaking or open time, and the line page. It edits
// the characteristic in place.
//
// The element can go while the sheet is open (deleted, cut, edited into a
// copy, the undo put back): the pages' pointers into the characteristic are
// used only after the sheet has found the element again in the document,
// with the same characteristic. The view hands on its hints (OnUpdate), and
// the sheet closes on those that delete or replace elements; any change
// that finds the element gone closes it too.
class CAdjustSheet : public CModelessSheet {
public:
    CAdjustSheet(CTovarineDocData& doc, CObjElement* element, CAdjustSheetHost* host,
                 QWidget* parent);
    ~CAdjustSheet() override;

    // "Adjust of dial - [name] - [type]" with a characteristic, "Setting of
    // curve - [name]" without.
    static std::string MakeTitle(const CObjElement& element);

    // The element and its characteristic as found again in the document;
    // null (and the sheet closing) when they are gone.
    CObjElement* GetElement();
    CObjAdjust* GetAdjust();
    // Which characteristic of the element (0 the first, 1 a low-voltage
    // breaker's second).
    int32_t GetWhich() const { return m_nWhich; }
    CTovarineDocData& GetDocument() const { return m_doc; }

    // One change: the element found again, the undo snapshot taken, the
    // change announced. False (and the sheet closing) when the element is
    // gone: the caller changes nothing.
    bool DoBeginChange(int32_t hint);
    // The curve recomputed and the change finished with the hint.
    void DoEndChange(int32_t hint);
    // An announcement without a finish (the line's colour, width or kind).
    void DoEndAnnounce();

    // Rebuilds the dial pages, the delay page and the line page.
    void DoRebuildDialPages();

    // The view's hints: undo, deletion, edit and mode change close the
    // sheet (unless the sheet's own change sent them); any hint that finds
    // the element gone closes it too.
    void OnUpdate(int32_t hint);
    // The view forgets the sheet before it closes it itself.
    void ClearHost() { m_pHost = nullptr; }
    void SetHost(CAdjustSheetHost* host) { m_pHost = host; }

    CAdjustRated* GetRatedPage() const { return m_pRated; }
    const std::vector<CAdjustPart*>& GetPartPages() const { return m_listParts; }
    CAdjustDelay* GetDelayPage() const { return m_pDelay; }
    CAdjustLine* GetLinePage() const { return m_pLine; }

protected:
    void OnSheetClosing() override;

private:
    bool IsElementValid() const;
    CObjAdjust* FindAdjust(CObjElement* element) const;
    CInfoLine* FindOwnLine(CObjElement* element) const;
    void DoAddDialPages();
    void DoDeletePages(bool withRated);

    CTovarineDocData& m_doc;
    CObjElement* m_pElement;
    CAdjustSheetHost* m_pHost;
    int32_t m_nKind = 0;
    std::string m_strName;
    int32_t m_nWhich = 0;
    // What the pages are bound to, to tell a replaced characteristic.
    CObjAdjust* m_pAdjust = nullptr;
    CInfoLine* m_pOwnLine = nullptr;
    bool m_bChanging = false;

    CAdjustRated* m_pRated = nullptr;
    std::vector<CAdjustPart*> m_listParts;
    CAdjustDelay* m_pDelay = nullptr;
    CAdjustLine* m_pLine = nullptr;
};
