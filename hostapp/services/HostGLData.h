#pragma once
// "ZELEBCGLView.GLData": function rights of the current user, from t_UserFuncRight (one row
// per user, function and object, holding a bit mask of rights).
//
// AccessCheck(function, object, right) answers
//   -1 (true)  when the user's row for the function and object holds every bit of `right`;
//   0 (false)  when it lacks a bit, or the user has no row for that pair while others do;
//   null       when no user at all has a row for that function and object: the pair is not
//              under rights control, and callers let everyone through.
// The administrator has no privilege of his own here: his rights are rows like anyone's.
#include "platform/hostapi/GLData.h"

namespace hostsvc {

class HostGLData : public hostapi::GLData {
public:
    QVariant AccessCheck(int16_t functionId, int16_t objectId, int32_t right) override;
};

} // namespace hostsvc
