#include "port/cable_check.h"

#include <random>

#include "core/port_name.h"
#include "link/identify_transfer.h"
#include "port/radio_link.h"
#include "port/simulated_radio.h"
#include "port/transfer_host.h"

namespace lm {

// One port's identification: opens the port, runs the identify engine and keeps what it found.
class CableCheck::Probe : private TransferObserver {
public:
    Probe(doctor::PortReport& port, const TransferSession& session, CableCheck& owner)
        : port_(port), owner_(owner) {
        link::EngineOptions options;
        options.portNumber = ComPortNumber(port.device);
        options.random = [this](int bound) {
            return std::uniform_int_distribution<int>(0, bound - 1)(random_);
        };
        line_ = CreateRadioLink(port.device);
        engine_ = std::make_unique<link::IdentifyTransfer>(session, std::move(options));
        host_ = std::make_unique<TransferHost>(*engine_, *line_, static_cast<TransferObserver&>(*this),
                                               TransferHost::kReadDrainGiveUpMs);
    }
    ~Probe() override { host_.reset(); }

    void Start() {
        port_.radio.tried = true;
        host_->OpenPort(port_.device, true);
    }

private:
    void PortOpened() override {
        host_->Input([e = engine_.get()] { return e->Ok(); });
    }
    void Message(const link::ShowMessage& message, std::function<void()> closed) override {
        // The engine speaks only when the port failed: its reason is what the report needs.
        if (port_.radio.openFailure.empty()) {
            port_.radio.openFailure = host_->PortFailure().empty() ? message.text : host_->PortFailure();
        }
        closed();
    }
    void Finished(const link::Finished&) override { End(); }
    void Closed() override { End(); }

    void End() {
        if (ended_) return;
        ended_ = true;
        port_.radio.outcome = engine_->Outcome();
        // The host is still carrying out the engine's answer: the check goes on from the event loop.
        QMetaObject::invokeMethod(
            &owner_,
            [line = line_.get(), owner = &owner_] {
                line->Close();
                owner->ProbeDone();
            },
            Qt::QueuedConnection);
    }

    doctor::PortReport& port_;
    CableCheck& owner_;
    std::mt19937 random_{std::random_device{}()};
    std::unique_ptr<RadioLink> line_;
    std::unique_ptr<link::IdentifyTransfer> engine_;
    std::unique_ptr<TransferHost> host_;
    bool ended_ = false;
};

CableCheck::CableCheck(CableCheckRequest request, const TransferSession& session, QObject* parent)
    : QObject(parent), request_(std::move(request)), session_(session) {}

CableCheck::~CableCheck() = default;

void CableCheck::Start() {
    probes_.clear();
    const doctor::SystemRoot root(request_.root);
    const bool simulated = IsSimulatedPort(request_.port);
    report_ = doctor::Survey(root, doctor::CurrentIdentity(root), request_.port, simulated);
    if (!request_.machine) report_.machine = {};
    for (doctor::PortReport& port : report_.ports) {
        // A missing device has no radio to ask; one of a made-up tree is no port at all.
        if (!doctor::WorthProbing(port) || (!simulated && !root.IsMachine())) continue;
        probes_.push_back(std::make_unique<Probe>(port, session_, *this));
    }
    pending_ = static_cast<int>(probes_.size());
    if (pending_ == 0) {
        QMetaObject::invokeMethod(this, &CableCheck::finished, Qt::QueuedConnection);
        return;
    }
    for (auto& probe : probes_) probe->Start();
}

void CableCheck::ProbeDone() {
    if (--pending_ == 0) emit finished();
}

}  // namespace lm
