#include "CTovarineSrvrItem.h"

#include "CTovarineApp.h"

#include "app/records/CObjRefV1.h"
#include "app/records/CObjRefV2.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjGroup.h"

#include "framework/Archive.h"
#include "framework/StringTable.h"

namespace {

QString MimeOf(QString CTovarineApp::*member, unsigned id) {
    if (CTovarineApp* app = TovarineApp(); app && !(app->*member).isEmpty())
        return app->*member;
    return ClipboardFormatMimeType(fw::LoadString(id));
}

QByteArray ToByteArray(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

void WriteDragOffset(fw::CArchive& ar, const fw::CPoint* dragOffset) {
    if (dragOffset)
        ar << dragOffset->x << dragOffset->y;
}

} // namespace

QString SymbolMimeType() {
    return MimeOf(&CTovarineApp::m_cfSymbol, tvid::IDS_CF_SYMBOL);
}

QString Reference1MimeType() {
    return MimeOf(&CTovarineApp::m_cfReference1, tvid::IDS_CF_REFERENCE1);
}

QString Reference2MimeType() {
    return MimeOf(&CTovarineApp::m_cfReference2, tvid::IDS_CF_REFERENCE2);
}

// ---------------------------------------------------------------- CTovarineSrvrItem1

void CTovarineSrvrItem1::SetRenderGroups(const std::vector<CObjGroup*>& groups) {
    m_renderGroups = groups;
    m_pLabel = nullptr;
}

void CTovarineSrvrItem1::SetRenderLabel(CObjRefV1* label) {
    m_pLabel = label;
    m_renderGroups.clear();
}

std::vector<uint8_t> CTovarineSrvrItem1::BuildSymbolBytes(const std::vector<CObjGroup*>& groups,
                                                          const fw::CPoint* dragOffset) {
    // The object list's layout: the count, then each group as an object.
    fw::CArchive ar = fw::CArchive::ForStoring();
    ar.WriteCount(static_cast<uint32_t>(groups.size()));
    for (CObjGroup* group : groups)
        ar.WriteObject(group);
    WriteDragOffset(ar, dragOffset);
    return ar.Bytes();
}

std::vector<uint8_t> CTovarineSrvrItem1::BuildReferenceBytes(const CObjRefV1& label,
                                                             const fw::CPoint* dragOffset) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    const_cast<CObjRefV1&>(label).Serialize(ar);
    WriteDragOffset(ar, dragOffset);
    return ar.Bytes();
}

std::string CTovarineSrvrItem1::GetRenderText() const {
    std::string text;
    for (const CObjGroup* group : m_renderGroups)
        text += group->GetNamesText();
    return text;
}

CTovarineMimeData* CTovarineSrvrItem1::GetClipboardData(const fw::CPoint* dragOffset) const {
    // Everything is built now: the groups may be deleted (a cut) before
    // anyone asks for the data.
    auto* data = new CTovarineMimeData(m_nSourceDocument);
    if (!m_renderGroups.empty()) {
        data->setData(SymbolMimeType(), ToByteArray(BuildSymbolBytes(m_renderGroups, dragOffset)));
        data->setText(QString::fromStdString(GetRenderText()));
    }
    if (m_pLabel)
        data->setData(Reference1MimeType(),
                      ToByteArray(BuildReferenceBytes(*m_pLabel, dragOffset)));
    return data;
}

// ---------------------------------------------------------------- CTovarineSrvrItem2

std::vector<uint8_t> CTovarineSrvrItem2::BuildReferenceBytes(const CObjRefV2& record,
                                                             const fw::CPoint* dragOffset) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    const_cast<CObjRefV2&>(record).Serialize(ar);
    WriteDragOffset(ar, dragOffset);
    return ar.Bytes();
}

CTovarineMimeData* CTovarineSrvrItem2::GetClipboardData(const fw::CPoint* dragOffset) const {
    if (!m_pRecord)
        return nullptr;
    auto* data = new CTovarineMimeData(m_nSourceDocument);
    data->setData(Reference2MimeType(), ToByteArray(BuildReferenceBytes(*m_pRecord, dragOffset)));
    return data;
}
