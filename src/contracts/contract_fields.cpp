// Limits of the contract dialog's boxes.
#include "contracts/contract_fields.h"

namespace velmar {

namespace {
constexpr int kTypedDecimals = 4;
}  // namespace

NumericLimits nrConBox() { return numericLimitsOf(u"Contract", u"NRCON"); }
NumericLimits nrRateBox() { return numericLimitsOf(u"Contract", u"NRRATE"); }
NumericLimits suprafTBox() { return numericLimitsOf(u"Contract", u"SUPRAFT"); }

NumericLimits rataBox()
{
    NumericLimits limits = numericLimitsOf(u"Contract", u"RATA");
    limits.decimals = kTypedDecimals;
    return limits;
}

}  // namespace velmar
