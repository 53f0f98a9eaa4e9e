#ifndef ZARVEL_SDK_ATE_ARRAYREALMATRIX_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYREALMATRIX_SUITE_H

#include "ATETypes.h"

#define kATEArrayRealMatrixSuite ATE_SUITE_NAME(ArrayRealMatrix)
#define kATEArrayRealMatrixSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayRealMatrix);

#endif
