#include "TovarineViewClasses.h"

#include "CTovarineView1.h"
#include "CTovarineView2.h"
#include "CTovarineView3.h"
#include "CTovarineView4.h"

#include "framework/View.h"

const fw::CViewClass* SkeletonViewClass() {
    return CTovarineView1::ViewClass();
}

const fw::CViewClass* CoordinationViewClass() {
    return CTovarineView2::ViewClass();
}

const fw::CViewClass* ReportViewClass() {
    return CTovarineView3::ViewClass();
}

const fw::CViewClass* ImpeMapViewClass() {
    return CTovarineView4::ViewClass();
}
