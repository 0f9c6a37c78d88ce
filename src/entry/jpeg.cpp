#include "entry/jpeg.h"

#include <csetjmp>
#include <cstdio>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace jpeg {

namespace {

// Progressive files may repeat scans without end; no real picture needs this
// many, while a crafted one could keep the decoder busy for minutes.
constexpr int MaxSkenu = 1000;

struct Chyby {
    jpeg_error_mgr zaklad; // first: libjpeg hands back a pointer to it
    std::jmp_buf navrat;
    bool poskozeno = false;
};

[[noreturn]] void konec(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<Chyby*>(cinfo->err)->navrat, 1);
}

void zprava(j_common_ptr cinfo, int uroven)
{
    // Warnings that mean the picture is incomplete: the data ended early or
    // the decoder had to skip damaged data. A picture decoded from them is
    // partly made-up grey, so it is refused like a broken one.
    if (uroven == -1) {
        const int kod = cinfo->err->msg_code;
        if (kod == JWRN_JPEG_EOF || kod == JWRN_HIT_MARKER || kod == JWRN_MUST_RESYNC)
            reinterpret_cast<Chyby*>(cinfo->err)->poskozeno = true;
    }
}

void tichy(j_common_ptr) {}

void prubeh(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->is_decompressor && d->input_scan_number > MaxSkenu)
        konec(cinfo);
}

// Converts an Adobe CMYK (or YCCK decoded to CMYK) row, which Adobe stores
// inverted, to RGB32.
void cmykRadek(const JSAMPLE* src, QRgb* dst, int sirka, bool obracene)
{
    for (int i = 0; i < sirka; ++i, src += 4) {
        int c = src[0], m = src[1], y = src[2], k = src[3];
        if (!obracene) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        dst[i] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Everything between setjmp and the last libjpeg call lives in this frame
// and holds only plain data, so that a longjmp back skips no destructor. The
// image belongs to the caller; it is only assigned here.
bool cti(jpeg_decompress_struct* cinfo, Chyby* chyby, jpeg_progress_mgr* postup, const QByteArray* data,
         std::int64_t maxPixelu, QImage* obraz)
{
    if (setjmp(chyby->navrat))
        return false;
    jpeg_create_decompress(cinfo);
    // Creating the decompressor clears everything but the error manager.
    cinfo->progress = postup;
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(data->constData()),
                 static_cast<unsigned long>(data->size()));
    jpeg_read_header(cinfo, TRUE);
    const std::int64_t pixelu = static_cast<std::int64_t>(cinfo->image_width) * cinfo->image_height;
    if (cinfo->image_width == 0 || cinfo->image_height == 0 || pixelu > maxPixelu)
        return false;
    const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(cinfo);
    *obraz = QImage(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
                    QImage::Format_RGB32);
    if (obraz->isNull())
        return false;
    JSAMPLE* radek = nullptr;
    if (cmyk)
        radek = static_cast<JSAMPLE*>(
            (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, cinfo->output_width * 4));
    while (cinfo->output_scanline < cinfo->output_height) {
        auto* cil = reinterpret_cast<QRgb*>(obraz->scanLine(static_cast<int>(cinfo->output_scanline)));
        JSAMPROW r = cmyk ? radek : reinterpret_cast<JSAMPLE*>(cil);
        if (jpeg_read_scanlines(cinfo, &r, 1) != 1)
            return false;
        if (cmyk)
            cmykRadek(r, cil, static_cast<int>(cinfo->output_width), cinfo->saw_Adobe_marker);
        // The data ended or went bad on the way: libjpeg fills the rest with
        // grey; stop here.
        if (chyby->poskozeno)
            return false;
    }
    jpeg_finish_decompress(cinfo);
    return !chyby->poskozeno;
}

} // namespace

bool jeJpeg(const QByteArray& data)
{
    return data.size() >= 3 && static_cast<unsigned char>(data[0]) == 0xFF
           && static_cast<unsigned char>(data[1]) == 0xD8 && static_cast<unsigned char>(data[2]) == 0xFF;
}

QImage dekoduj(const QByteArray& data, std::int64_t maxPixelu)
{
    if (!jeJpeg(data))
        return {};
    jpeg_decompress_struct cinfo{};
    Chyby chyby{};
    cinfo.err = jpeg_std_error(&chyby.zaklad);
    chyby.zaklad.error_exit = konec;
    chyby.zaklad.emit_message = zprava;
    chyby.zaklad.output_message = tichy;
    jpeg_progress_mgr postup{};
    postup.progress_monitor = prubeh;
    QImage obraz;
    const bool ok = cti(&cinfo, &chyby, &postup, &data, maxPixelu, &obraz);
    jpeg_destroy_decompress(&cinfo);
    return ok ? obraz : QImage();
}

} // namespace jpeg
