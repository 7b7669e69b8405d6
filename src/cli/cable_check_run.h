#pragma once
// Runs the cable check on the command line's event loop until every port has ended.
#include "link/doctor/doctor_report.h"
#include "port/cable_check.h"

namespace lm::cli {

doctor::Report RunCableCheck(const CableCheckRequest& request, const TransferSession& session);

}  // namespace lm::cli
