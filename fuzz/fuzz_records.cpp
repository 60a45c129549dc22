// The record text of the virtual file device as a data file may bring it: any bytes, decoded as the
// workbench decodes text files. Reads every record as IN would and runs the check of "設定終了".
// Besides the sanitizers it checks that the reader always comes to an end, that each status leaves
// exactly its error code, that a record is the text between the brackets of one line, that a
// refused read refuses again the same way, and that a text "設定終了" accepts reads as records
// up to "[END]" without a failure (and one it refuses for want of "[END]" ends without it).

#include "FuzzSupport.h"
#include "filedevice/VirtualFileDevice.h"
#include "machine/CodePage932.h"

namespace {

using kv::ErrorCode;
using kv::RecordStatus;

ErrorCode codeOf(RecordStatus status) {
    switch (status) {
        case RecordStatus::Record:
        case RecordStatus::End: return ErrorCode::None;
        case RecordStatus::PastEnd: return ErrorCode::RecordsPastEnd;
        case RecordStatus::NotBracketed: return ErrorCode::RecordNotBracketed;
        case RecordStatus::TooShort: return ErrorCode::RecordTooShort;
        case RecordStatus::NoEnd: return ErrorCode::RecordsWithoutEnd;
    }
    std::abort();
}

RecordStatus readOnce(kv::VirtualFileDevice& device, kv::RecordRead& read) {
    kv::ErrorState error;
    read = device.ReadNextRecord(error);
    KV_FUZZ_REQUIRE(error.code == codeOf(read.status));
    KV_FUZZ_REQUIRE(read.status == RecordStatus::Record || read.record.isEmpty());
    return read.status;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kv::VirtualFileDevice device;
    device.inputDevice = kv::InputDevice::VirtualFile;
    device.recordText = kv::cp932::decodeTextFile(kv::fuzz::bytesOf(data, size));
    const ErrorCode check = device.CheckRecordText();
    KV_FUZZ_REQUIRE(check == ErrorCode::None || check == ErrorCode::RecordNotBracketed ||
                    check == ErrorCode::RecordsWithoutEnd);

    const qsizetype lineBreaks = device.recordText.count(QLatin1Char('\n'));
    for (int pass = 0; pass < 2; ++pass) {  // a new run reads the same records again
        device.ResetRecordReader();
        kv::RecordRead read;
        RecordStatus status = RecordStatus::Record;
        qsizetype records = 0;
        while ((status = readOnce(device, read)) == RecordStatus::Record) {
            KV_FUZZ_REQUIRE(++records <= lineBreaks);
            KV_FUZZ_REQUIRE(device.recordText.contains(QLatin1Char('[') + read.record + QLatin1Char(']')));
        }
        kv::RecordRead after;
        const RecordStatus next = readOnce(device, after);
        KV_FUZZ_REQUIRE(next == (status == RecordStatus::End ? RecordStatus::PastEnd : status));
        if (check == ErrorCode::None) KV_FUZZ_REQUIRE(status == RecordStatus::End);
        if (check == ErrorCode::RecordsWithoutEnd) KV_FUZZ_REQUIRE(status == RecordStatus::NoEnd);
    }
    return 0;
}
