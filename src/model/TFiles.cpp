#include "model/TFiles.h"

#include <cstddef>

namespace varnoke {
namespace {

// The block's byte layout, checked at compile time against the stored offsets.
#pragma pack(push, 1)
struct BlockLayout {
  std::uint32_t Flags;
  std::uint8_t CaseMode;
  std::uint8_t Digits;
  std::uint16_t Step;
  std::int32_t Start;
  std::uint8_t Transport;
  std::uint8_t DateFlags;
  std::uint8_t IncreaseFlags;
  std::uint8_t Unused15;
  std::uint64_t CreatedDate;
  std::uint64_t AccessedDate;
  std::uint64_t ModifiedDate;
  std::uint64_t CreatedInc;
  std::uint64_t AccessedInc;
  std::uint64_t ModifiedInc;
  std::uint8_t AttrMask;
  std::uint8_t AttrValues;
  std::uint8_t EditParts;
  std::uint8_t Columns;
};
#pragma pack(pop)

static_assert(sizeof(BlockLayout) == kOptionsBlockSize);
static_assert(offsetof(BlockLayout, CaseMode) == 4);
static_assert(offsetof(BlockLayout, Digits) == 5);
static_assert(offsetof(BlockLayout, Step) == 6);
static_assert(offsetof(BlockLayout, Start) == 8);
static_assert(offsetof(BlockLayout, Transport) == 12);
static_assert(offsetof(BlockLayout, DateFlags) == 13);
static_assert(offsetof(BlockLayout, IncreaseFlags) == 14);
static_assert(offsetof(BlockLayout, Unused15) == 15);
static_assert(offsetof(BlockLayout, CreatedDate) == 16);
static_assert(offsetof(BlockLayout, AccessedDate) == 24);
static_assert(offsetof(BlockLayout, ModifiedDate) == 32);
static_assert(offsetof(BlockLayout, CreatedInc) == 40);
static_assert(offsetof(BlockLayout, AccessedInc) == 48);
static_assert(offsetof(BlockLayout, ModifiedInc) == 56);
static_assert(offsetof(BlockLayout, AttrMask) == 64);
static_assert(offsetof(BlockLayout, AttrValues) == 65);
static_assert(offsetof(BlockLayout, EditParts) == 66);
static_assert(offsetof(BlockLayout, Columns) == 67);

template <typename T>
void Put(OptionsBlock& block, std::size_t offset, T value) {
  auto bits = static_cast<std::uint64_t>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    block[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
}

template <typename T>
T Get(std::span<const std::uint8_t, kOptionsBlockSize> block, std::size_t offset) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    bits |= static_cast<std::uint64_t>(block[offset + i]) << (8 * i);
  }
  return static_cast<T>(bits);
}

#define VARNOKE_BLOCK_FIELDS(X)                                                               \
  X(Flags)                                                                                    \
  X(CaseMode)                                                                                 \
  X(Digits)                                                                                   \
  X(Step) X(Start) X(Transport) X(DateFlags) X(IncreaseFlags) X(Unused15) X(CreatedDate)      \
      X(AccessedDate) X(ModifiedDate) X(CreatedInc) X(AccessedInc) X(ModifiedInc) X(AttrMask) \
          X(AttrValues) X(EditParts) X(Columns)

}  // namespace

OptionsBlock TFiles::EncodeBlock() const {
  OptionsBlock block{};
#define VARNOKE_PUT(field) \
  Put<decltype(BlockLayout::field)>(block, offsetof(BlockLayout, field), field);
  VARNOKE_BLOCK_FIELDS(VARNOKE_PUT)
#undef VARNOKE_PUT
  return block;
}

void TFiles::DecodeBlock(std::span<const std::uint8_t, kOptionsBlockSize> block) {
#define VARNOKE_GET(field) \
  field = Get<decltype(BlockLayout::field)>(block, offsetof(BlockLayout, field));
  VARNOKE_BLOCK_FIELDS(VARNOKE_GET)
#undef VARNOKE_GET
}

void Resetname1Click(TFiles& options) {
  options.Flags = 0;
  options.CaseMode = kCaseNone;
  options.Name.clear();
  options.Ext.clear();
  options.Path.clear();
  options.DateString.clear();
  options.Digits = 1;
  options.Step = 1;
  options.Start = 1;
  options.Transport = kTransportLeave;
  options.EditParts = 0;
}

DateSource TFiles::DateCodes() const {
  if (Has(DateFromClock)) return DateSource::Clock;
  return Has(DateFromTaken) ? DateSource::Taken : DateSource::File;
}

void TFiles::SetDateCodes(DateSource source) {
  Set(DateFromClock, source == DateSource::Clock);
  Set(DateFromTaken, source == DateSource::Taken);
}

std::uint32_t TFiles::FromTakenBit(std::uint8_t dateBit) {
  switch (dateBit) {
    case kDateCreated:
      return CreatedFromTaken;
    case kDateModified:
      return ModifiedFromTaken;
    case kDateAccessed:
      return AccessedFromTaken;
    default:
      return 0;
  }
}

bool TFiles::SetsTimeFromTaken() const {
  for (std::uint8_t bit : {kDateCreated, kDateModified, kDateAccessed})
    if ((DateFlags & bit) && Has(FromTakenBit(bit))) return true;
  return false;
}

void Resetdate1Click(TFiles& options) {
  options.Flags &= ~kFromTakenMask;
  options.DateFlags = 0;
  options.IncreaseFlags = 0;
  options.CreatedDate = options.AccessedDate = options.ModifiedDate = kResetDate;
  options.CreatedInc = options.AccessedInc = options.ModifiedInc = kResetDate;
}

void Resetattribute1Click(TFiles& options) {
  options.AttrMask = 0;
  options.AttrValues = 0;
}

void Resetall1Click(TFiles& options) {
  Resetname1Click(options);
  Resetdate1Click(options);
  Resetattribute1Click(options);
}

}  // namespace varnoke
