#pragma once
// The host's security object and how the component reads its answers.
#include "platform/hostapi/GLData.h"

#include <QVariant>
#include <memory>

namespace tq {

// The function and the rights the component asks the security object about.
inline constexpr int16_t kPriceQueryFunction = 1099;
inline constexpr int16_t kCustomerPriceQuery = 26;   // the sales flavour (QueryType 1)
inline constexpr int16_t kSupplierPriceQuery = 25;   // every other QueryType
inline constexpr int32_t kQueryRight = 0x200000;

// "ZELEBCGLView.GLData", created through the object factory on first use and kept for the rest
// of the process (every access check of every window reuses it). Creation errors reach the
// caller, and the next call tries again.
std::shared_ptr<hostapi::GLData> GLDataObject();

// Whether an AccessCheck answer refuses: its bitwise complement is not zero, so anything but
// true (-1) refuses, except no value at all (null), which does not. A text that is no number
// raises the type mismatch error 13.
bool AccessRefused(const QVariant& accessCheckResult);

namespace testing {
// Forgets the security object, so the next access check creates it anew (each test starts
// from a fresh host).
void resetGLDataObject();
} // namespace testing

} // namespace tq
