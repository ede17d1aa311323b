#include "widgets/cross_thread_report.h"

#include <QMetaObject>

namespace corvane {

CrossThreadReport::CrossThreadReport(QObject* receiver, Deliver deliver)
    : mailbox_(std::make_shared<Mailbox>()) {
  mailbox_->receiver = receiver;
  mailbox_->deliver = std::move(deliver);
}

// Closed under the lock: a report being posted finishes first, and no later
// one is posted. Qt drops what is still queued for a receiver that is deleted.
CrossThreadReport::~CrossThreadReport() {
  const std::lock_guard lock{mailbox_->mutex};
  mailbox_->receiver = nullptr;
}

std::function<void(const std::filesystem::path&, const std::string&)> CrossThreadReport::sender()
    const {
  return [mailbox = mailbox_](const std::filesystem::path& file, const std::string& message) {
    const std::lock_guard lock{mailbox->mutex};
    if (mailbox->receiver == nullptr) return;
    QMetaObject::invokeMethod(
        mailbox->receiver,
        [deliver = mailbox->deliver, file, text = QString::fromStdString(message)] {
          deliver(file, text);
        },
        Qt::QueuedConnection);
  };
}

}  // namespace corvane
