#pragma once

// The run-time classes of the four views of a project, by which the document
// templates open them and the main frame finds them: the skeleton view, the
// co-ordination view, the report view and the impedance-map view.

namespace fw {
struct CViewClass;
}

const fw::CViewClass* SkeletonViewClass();
const fw::CViewClass* CoordinationViewClass();
const fw::CViewClass* ReportViewClass();
const fw::CViewClass* ImpeMapViewClass();
