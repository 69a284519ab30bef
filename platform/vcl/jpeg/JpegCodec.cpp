#include "platform/vcl/jpeg/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

namespace vcl::jpeg {

namespace {

// Only plain data lives in the frames libjpeg may jump out of.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  int code;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  manager->code = info->err->msg_code;
  info->err->format_message(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings are silent, but data that runs out early is an error: a cut file
// would otherwise decode into a picture with a grey remainder.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) ErrorExit(info);
}

void InstallErrorManager(jpeg_error_mgr* pub, ErrorManager* manager) {
  jpeg_std_error(pub);
  pub->error_exit = ErrorExit;
  pub->emit_message = EmitMessage;
  pub->output_message = [](j_common_ptr) {};
  manager->code = 0;
  manager->message[0] = '\0';
}

void Report(const ErrorManager& manager, JpegError* error) {
  if (error == nullptr) return;
  error->code = manager.code;
  error->message = manager.message;
}

bool SizeFits(std::size_t size) {
  return size > 0 && size <= static_cast<std::size_t>(~0ul >> 1);
}

// A picture larger than this is refused before anything is allocated.
constexpr unsigned long long kMaxPixels = 1ull << 26;  // 64 megapixels
// libjpeg's own working memory (coefficient buffers of progressive files).
constexpr long kMaxDecoderMemory = 512l << 20;
// Each scan of a progressive file passes over the whole picture: a small file
// with thousands of scans would take minutes.
constexpr int kMaxScans = 500;

[[noreturn]] void Refuse(j_common_ptr info, int code, const char* text) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  manager->code = code;
  std::snprintf(manager->message, sizeof manager->message, "%s", text);
  std::longjmp(manager->jump, 1);
}

// Every MCU of a Huffman-coded scan takes at least one bit, so a file cannot
// carry more MCUs than eight times its bytes. A header that claims more is a
// lie that would cost memory and time in proportion to the claim.
void CheckDeclaredSize(jpeg_decompress_struct& info, std::size_t size) {
  const unsigned long long width = info.image_width, height = info.image_height;
  if (width * height > kMaxPixels) Refuse(reinterpret_cast<j_common_ptr>(&info), JERR_IMAGE_TOO_BIG, "Image too large");
  int hMax = 1, vMax = 1;
  for (int i = 0; i < info.num_components; ++i) {
    hMax = std::max(hMax, info.comp_info[i].h_samp_factor);
    vMax = std::max(vMax, info.comp_info[i].v_samp_factor);
  }
  const unsigned long long mcuWidth = 8ull * static_cast<unsigned>(hMax),
                           mcuHeight = 8ull * static_cast<unsigned>(vMax);
  const unsigned long long mcus = ((width + mcuWidth - 1) / mcuWidth) * ((height + mcuHeight - 1) / mcuHeight);
  if (mcus > 8ull * size)
    Refuse(reinterpret_cast<j_common_ptr>(&info), JERR_IMAGE_TOO_BIG, "Image larger than its data can hold");
}

void LimitScans(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) Refuse(info, JERR_NOTIMPL, "Too many progressive scans");
}

// Kept out of line: the function that calls setjmp must not build strings of
// its own, whose locals a longjmp could leave half-made.
[[gnu::noinline]] void SetError(JpegError* error, int code, const char* text) {
  if (error) *error = JpegError{code, text};
}

// Runs `body` on a decompressor that has read the header of `data`. A libjpeg
// error anywhere, in `body` too, jumps back here and becomes a false return
// with the error reported; `body` must keep only plain data in its frame.
template <class Body>
bool Decompress(const std::uint8_t* data, std::size_t size, JpegError* error, Body&& body) {
  if (!SizeFits(size)) {
    SetError(error, 0, "Empty input");
    return false;
  }
  jpeg_decompress_struct info;
  ErrorManager manager;
  InstallErrorManager(&manager.pub, &manager);
  info.err = &manager.pub;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = LimitScans;
  if (setjmp(manager.jump)) {
    jpeg_destroy_decompress(&info);
    Report(manager, error);
    return false;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = kMaxDecoderMemory;
  info.progress = &progress;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  CheckDeclaredSize(info, size);
  try {
    body(info);
  } catch (const std::bad_alloc&) {
    jpeg_destroy_decompress(&info);
    SetError(error, JERR_OUT_OF_MEMORY, "Out of memory");
    return false;
  }
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

bool ReadJpegHeader(const std::uint8_t* data, std::size_t size, JpegHeader* out, JpegError* error) {
  return Decompress(data, size, error, [out](jpeg_decompress_struct& info) {
    out->width = static_cast<int>(info.image_width);
    out->height = static_cast<int>(info.image_height);
    out->grayscale = info.jpeg_color_space == JCS_GRAYSCALE;
  });
}

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, const DecodeOptions& options, RgbImage* out,
                JpegError* error) {
  return Decompress(data, size, error, [&options, out](jpeg_decompress_struct& info) {
    info.out_color_space = options.grayscale ? JCS_GRAYSCALE : JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned>(options.scaleDenominator);
    info.do_fancy_upsampling = options.smoothing ? TRUE : FALSE;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    const int components = info.output_components;
    out->width = width;
    out->height = height;
    out->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0);
    // One row buffer from libjpeg's own pool: freed with the decompressor.
    JSAMPARRAY row = info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                            static_cast<JDIMENSION>(width * components), 1);
    while (info.output_scanline < info.output_height) {
      const int y = static_cast<int>(info.output_scanline);
      jpeg_read_scanlines(&info, row, 1);
      std::uint8_t* target = out->pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
      for (int x = 0; x < width; ++x) {
        if (components == 1) {
          target[x * 3] = target[x * 3 + 1] = target[x * 3 + 2] = row[0][x];
        } else {
          target[x * 3] = row[0][x * components];
          target[x * 3 + 1] = row[0][x * components + 1];
          target[x * 3 + 2] = row[0][x * components + 2];
        }
      }
    }
    jpeg_finish_decompress(&info);
  });
}

bool EncodeJpeg(const RgbImage& image, int quality, bool grayscale, std::vector<std::uint8_t>* out, JpegError* error) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3) {
    if (error) *error = JpegError{0, "Empty image"};
    return false;
  }
  jpeg_compress_struct info;
  ErrorManager manager;
  InstallErrorManager(&manager.pub, &manager);
  info.err = &manager.pub;
  // libjpeg grows this buffer with malloc; it is ours to free on every path.
  struct Buffer {
    unsigned char* data = nullptr;
    unsigned long size = 0;
  } buffer;
  if (setjmp(manager.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer.data);
    Report(manager, error);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer.data, &buffer.size);
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  if (grayscale) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.pixels.data() + static_cast<std::size_t>(info.next_scanline) *
                                                                  static_cast<std::size_t>(image.width) * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  out->assign(buffer.data, buffer.data + buffer.size);
  jpeg_destroy_compress(&info);
  std::free(buffer.data);
  return true;
}

}  // namespace vcl::jpeg
