#pragma once
// The cable check: what the system says of the serial ports and of the machine, then the identification on
// every port looked at, all ports at once on the event loop. 'lm418t-cli doctor' and 'identify' and the Cable
// Check window run it.
#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "core/state.h"
#include "link/doctor/doctor_report.h"

namespace lm {

struct CableCheckRequest {
    std::string root = "/";  // the machine's files are read below this folder
    std::string port;        // the port to check; "" for every USB serial port
    bool machine = true;     // look at the system; false: the radio step alone (identify)
};

class CableCheck : public QObject {
    Q_OBJECT

public:
    // session: the transfer session whose key the identification uses; copied.
    CableCheck(CableCheckRequest request, const TransferSession& session, QObject* parent = nullptr);
    ~CableCheck() override;

    // Looks at the system at once, then asks each port's radio; finished() follows when every port has ended.
    void Start();
    bool Running() const { return pending_ > 0; }
    const doctor::Report& Result() const { return report_; }

signals:
    void finished();

private:
    class Probe;
    void ProbeDone();

    CableCheckRequest request_;
    TransferSession session_;
    doctor::Report report_;
    std::vector<std::unique_ptr<Probe>> probes_;
    int pending_ = 0;
};

}  // namespace lm
