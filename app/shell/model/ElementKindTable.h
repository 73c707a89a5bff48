#pragma once

#include "app/shell/model/ElementDispatch.h"

// The models of this program, one row a kind. A kind that is not listed has
// no model: the element keeps its kind, is stored and read as its kind alone,
// and every operation gives its neutral result. Adding a kind is adding its
// model, its include and its row here; nothing else in the element object
// changes.

// Models, one include a kind:
#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/CEleThermal.h"
#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleMotorEff.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleText.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/CEleZeroCond.h"

using ElementKindTable =
    KindTable<KindRow<kKindSource, CEleSource>, KindRow<kKindTrans3, CEleTrans3>,
              KindRow<kKindGenerator, CEleGenerator>, KindRow<kKindMotorEff, CEleMotorEff>,
              KindRow<kKindZeroCond, CEleZeroCond>, KindRow<kKindBusBar, CEleBusBar>,
              KindRow<kKindWire, CEleWire>, KindRow<kKindMotor, CEleMotor>,
              KindRow<kKindLoad, CEleLoad>, KindRow<kKindCapacitor, CEleCapacitor>,
              KindRow<kKindBusDuct, CEleBusDuct>, KindRow<kKindTrans1, CEleTrans1>,
              KindRow<kKindText, CEleText>, KindRow<kKindContactor, CEleContactor>,
              KindRow<kKindLVCB, CEleLVCB>, KindRow<kKindHVCB, CEleHVCB>,
              KindRow<kKindThermal, CEleThermal>, EndOfRows>;
