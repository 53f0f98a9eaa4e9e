#ifndef ZARVEL_SDK_ATE_SPELL_SUITE_H
#define ZARVEL_SDK_ATE_SPELL_SUITE_H

#include "ATETypes.h"

#define kATESpellSuite ATE_SUITE_NAME(Spell)
#define kATESpellSuiteVersion 101

ATE_DECLARE_HANDLE_SUITE(Spell);

#endif
