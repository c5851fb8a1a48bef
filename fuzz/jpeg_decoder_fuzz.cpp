// The JPEG decoder on any bytes: it either gives a picture within its size cap, or a null
// picture and a reason; and the same bytes decode to the same pixels every time, which a read
// of uninitialised memory would not.
#include "assets/jpeg_decoder.h"
#include "fuzz_support.h"

using namespace huebit;
using namespace huebit::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const JpegResult first = DecodeJpeg(bytes);
    if (!first.ok()) {
        Check(first.image.isNull(), "a failed decode left a picture");
        return 0;
    }
    Check(!first.image.isNull(), "a good decode gave no picture");
    Check(first.image.format() == QImage::Format_RGB32, "picture is not RGB32");
    Check(qint64(first.image.width()) * first.image.height() <= (qint64(1) << 26),
          "picture beyond the size cap");
    const JpegResult second = DecodeJpeg(bytes);
    Check(second.ok() && second.image == first.image, "the same bytes decoded differently");
    return 0;
}
