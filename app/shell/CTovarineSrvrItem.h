#pragma once

#include "framework/Geometry.h"

#include <QMimeData>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class CObjGroup;
class CObjRefV1;
class CObjRefV2;

// The transfer data of the program: the private formats as MIME types
// carrying archive bytes, and the document the data came from (0 when it
// came from no project, such as the group library), so that a drop can tell
// a move inside one project from a move between projects.
class CTovarineMimeData : public QMimeData {
    Q_OBJECT
public:
    explicit CTovarineMimeData(uint64_t sourceDocument) : m_nSourceDocument(sourceDocument) {}
    uint64_t GetSourceDocument() const { return m_nSourceDocument; }

private:
    uint64_t m_nSourceDocument;
};

// The source of the skeleton's clipboard and drag data: either groups of the
// document (copied with everything they hold) or one skeleton placement of
// an element (a label being dragged). The data is built when asked for, from
// the live groups, so that a cut can delete them right after.
class CTovarineSrvrItem1 {
public:
    explicit CTovarineSrvrItem1(uint64_t sourceDocument = 0) : m_nSourceDocument(sourceDocument) {}

    // Makes the groups the render list and clears the label record.
    void SetRenderGroups(const std::vector<CObjGroup*>& groups);
    // Sets the label record and empties the render list.
    void SetRenderLabel(CObjRefV1* label);
    const std::vector<CObjGroup*>& GetRenderGroups() const { return m_renderGroups; }
    CObjRefV1* GetRenderLabel() const { return m_pLabel; }

    // A new data object with "TV2_SYMBOL" (when there are groups),
    // "TV2_REFERENCE1" (when there is a label record) and the element names
    // as plain text; a drag gives its offset, which follows each record.
    CTovarineMimeData* GetClipboardData(const fw::CPoint* dragOffset) const;
    // The element names of the render list, children first, each followed
    // by "\r\n"; empty without groups.
    std::string GetRenderText() const;

    // The bytes of the formats: the group list as the object list writes
    // it, or the placement's own record, each followed by a drag's offset.
    static std::vector<uint8_t> BuildSymbolBytes(const std::vector<CObjGroup*>& groups,
                                                 const fw::CPoint* dragOffset);
    static std::vector<uint8_t> BuildReferenceBytes(const CObjRefV1& label,
                                                    const fw::CPoint* dragOffset);

private:
    uint64_t m_nSourceDocument;
    std::vector<CObjGroup*> m_renderGroups; // not owned
    CObjRefV1* m_pLabel = nullptr;          // not owned
};

// The drag source of a curve label of the co-ordination view.
class CTovarineSrvrItem2 {
public:
    explicit CTovarineSrvrItem2(uint64_t sourceDocument = 0) : m_nSourceDocument(sourceDocument) {}
    void SetRenderObject(CObjRefV2* record) { m_pRecord = record; }
    CObjRefV2* GetRenderObject() const { return m_pRecord; }
    // A new data object with "TV2_REFERENCE2" (the record, then a drag's
    // offset); null without a record.
    CTovarineMimeData* GetClipboardData(const fw::CPoint* dragOffset) const;
    static std::vector<uint8_t> BuildReferenceBytes(const CObjRefV2& record,
                                                    const fw::CPoint* dragOffset);

private:
    uint64_t m_nSourceDocument;
    CObjRefV2* m_pRecord = nullptr; // not owned
};

// The MIME types of the three private formats, as the program registered
// them (the names from the string table when no program runs).
QString SymbolMimeType();
QString Reference1MimeType();
QString Reference2MimeType();
