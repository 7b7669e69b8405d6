#include "cable_check_run.h"

#include <QEventLoop>

#include "event_loop.h"

namespace lm::cli {

doctor::Report RunCableCheck(const CableCheckRequest& request, const TransferSession& session) {
    EventLoopScope scope;
    CableCheck check(request, session);
    QEventLoop loop;
    QObject::connect(&check, &CableCheck::finished, &loop, &QEventLoop::quit);
    check.Start();
    loop.exec();  // finished() always comes from the event loop
    return check.Result();
}

}  // namespace lm::cli
