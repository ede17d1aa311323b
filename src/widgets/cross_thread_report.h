#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace corvane {

// Carries a report made on another thread (a file that did not open, told
// when the opener ends: the file and the message) to the receiver's own
// thread, for as long as the receiver lives: once it is gone, a late report
// reaches nothing and runs nothing. The receiver owns this object.
class CrossThreadReport {
 public:
  using Deliver = std::function<void(const std::filesystem::path& file, const QString& message)>;

  CrossThreadReport(QObject* receiver, Deliver deliver);
  ~CrossThreadReport();
  CrossThreadReport(const CrossThreadReport&) = delete;
  CrossThreadReport& operator=(const CrossThreadReport&) = delete;

  // What the other thread calls; safe from any thread, at any time.
  std::function<void(const std::filesystem::path& file, const std::string& message)> sender() const;

 private:
  struct Mailbox {
    std::mutex mutex;
    QObject* receiver;  // null once closed
    Deliver deliver;
  };
  std::shared_ptr<Mailbox> mailbox_;
};

}  // namespace corvane
