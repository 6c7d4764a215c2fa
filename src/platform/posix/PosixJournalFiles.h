#pragma once
// Run journals on Linux: files of their own directory, appended with O_APPEND, held by
// an exclusive flock that the kernel drops when the process dies, so a journal whose
// run was killed is free for recovery and a live run's journal never is.
#include <string>

#include "platform/JournalFiles.h"

namespace varnoke {

class PosixJournalDirectory final : public JournalDirectory {
 public:
  // `directory` is created (mode 0700) on the first journal.
  explicit PosixJournalDirectory(std::string directory);

  std::string Where() const override { return directory_; }
  std::vector<std::string> Names() override;
  FileBytes Read(std::string_view name) override;
  FileBytes ReadPart(std::string_view name, std::uint64_t offset, std::size_t length) override;
  std::optional<std::uint64_t> SizeOf(std::string_view name) override;
  std::unique_ptr<AppendFile> Create(std::string_view name, IoError& error) override;
  std::unique_ptr<AppendFile> Hold(std::string_view name) override;
  bool Remove(std::string_view name) override;
  bool Rename(std::string_view from, std::string_view to) override;

 private:
  std::string PathOf(std::string_view name) const;
  std::string directory_;
};

}  // namespace varnoke
