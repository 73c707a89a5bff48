// Reading the trip elements of a rated value into the element references.

#include "breakerdata/recordsets/CRSBreak_Element.h"

#include "breakerdata/model/CReadPart.h"
#include "breakerdata/recordsets/RecordsetFrame.h"

void CRSBreak_Element::DoInitToReadPartList(CReadPartList* parts) {
    if (parts)
        parts->DoDeleteAllReadParts();
}

void CRSBreak_Element::DoCopyToReadPart(CReadPart* part) const {
    if (!part)
        return;
    part->m_lElementID = m_lElementID;
    part->m_strElementName = m_sElementName;
}

int CRSBreak_Element::DoReadToListReadPart(int32_t breakRatedID, CReadPartList* parts) {
    if (!parts)
        return 0;
    DoSetFilterElement(breakRatedID);
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        Open();
        DoInitToReadPartList(parts);
        int count = 0;
        while (!IsEOF()) {
            DoCopyToReadPart(parts->DoAddNewReadPart());
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}
