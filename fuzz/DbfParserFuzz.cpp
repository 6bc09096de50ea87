// libFuzzer target: any bytes as a table and its memo file, read to the end.
// Every outcome but a provider failure or a clean read is a fault.
#include <QBuffer>

#include "FuzzInput.h"
#include "platform/ado/dbf/DbfFailure.h"
#include "platform/ado/dbf/TableReader.h"
#include "platform/ado/provider/Provider.h"

namespace {

std::unique_ptr<QIODevice> openBytes(const QByteArray& bytes) {
  auto buffer = std::make_unique<QBuffer>();
  buffer->setData(bytes);
  buffer->open(QIODevice::ReadOnly);
  return buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzz::FuzzInput in = fuzz::split(data, size);
  const auto findMemo = [&](uint8_t version) {
    if (!in.hasMemo) ado::dbf::fail(-1, QStringLiteral("sin memo"));
    return ado::dbf::MemoSource{openBytes(in.memo), ado::dbf::memoFormatOf(version), QStringLiteral("fuzz.fpt")};
  };
  try {
    ado::dbf::TableReader reader(openBytes(in.table), QStringLiteral("fuzz.dbf"), in.codePage, findMemo);
    reader.liveCount();
    std::vector<rt::Variant> row;
    for (;;) {
      try {
        if (!reader.next(row)) break;
      } catch (const ado::provider::Failure&) {
      }
    }
  } catch (const ado::provider::Failure&) {
  }
  return 0;
}
