#pragma once
// Run journals on Linux: files of their own directory, appended record by record, held by
// an exclusive flock that the kernel drops when the process dies, so a journal whose
// run was killed is free for recovery and a live run's journal never is. Every journal
// is opened relative to the directory, itself opened without following a symbolic
// link, and both are judged by what the opened descriptors are: nothing can be swapped
// in between the look and the use.
#include <string>

#include "platform/JournalFiles.h"
#include "platform/posix/Fd.h"

namespace varnoke {

class PosixJournalDirectory final : public JournalDirectory {
 public:
  // `directory` is created (mode 0700) on the first journal.
  explicit PosixJournalDirectory(std::string directory);

  std::string Where() const override { return directory_; }
  std::string Refusal(std::string_view name) override;
  std::vector<std::string> Names() override;
  FileBytes Read(std::string_view name) override;
  FileBytes ReadPart(std::string_view name, std::uint64_t offset, std::size_t length) override;
  std::optional<std::uint64_t> SizeOf(std::string_view name) override;
  std::unique_ptr<AppendFile> Create(std::string_view name, IoError& error) override;
  std::unique_ptr<AppendFile> Hold(std::string_view name) override;
  bool Remove(std::string_view name) override;
  bool Rename(std::string_view from, std::string_view to) override;

 private:
  // A descriptor opened only when what it names is trusted; otherwise `Error` is the
  // errno value (EPERM when refused, and `Refusal` then says why).
  struct Opened {
    Fd File;
    int Error = 0;
    std::string Refusal;
  };
  static Opened Judged(Fd file, int error, std::string why, bool directory,
                       const std::string& what);
  Opened OpenDirectory() const;
  // The journal `name` in the opened directory, with `flags`.
  Opened OpenJournal(const Fd& directory, std::string_view name, int flags) const;
  Opened OpenJournal(std::string_view name, int flags) const;

  std::string directory_;
};

}  // namespace varnoke
