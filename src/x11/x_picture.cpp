#include "x11/x_picture.h"

#include <xcb/shm.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace quor {

namespace {

constexpr std::size_t put_image_header = 24;  // bytes of a PutImage request before its pixels

pixel_area clipped(const pixel_area& area, int width, int height) {
    return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width), std::min(area.bottom, height)};
}

}  // namespace

x_picture::x_picture(const x_display& display, xcb_window_t window, std::uint8_t depth, int width, int height)
    : display_(display), window_(window), depth_(depth), width_(std::max(width, 1)), height_(std::max(height, 1)) {
    xcb_connection_t* connection = display_.connection();
    gc_ = xcb_generate_id(connection);
    const std::uint32_t no_exposures[] = {0};
    xcb_create_gc(connection, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, no_exposures);
    allocate();
}

x_picture::~x_picture() {
    release();
    xcb_free_gc(display_.connection(), gc_);
}

void x_picture::allocate() {
    const std::size_t pixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    xcb_connection_t* connection = display_.connection();
    if (display_.has_shared_memory()) {
        shared_id_ = shmget(IPC_PRIVATE, pixels * sizeof(std::uint32_t), IPC_CREAT | 0600);
        void* address = shared_id_ >= 0 ? shmat(shared_id_, nullptr, 0) : reinterpret_cast<void*>(-1);
        if (address != reinterpret_cast<void*>(-1)) {
            segment_ = xcb_generate_id(connection);
            xcb_generic_error_t* error =
                xcb_request_check(connection, xcb_shm_attach_checked(connection, segment_, shared_id_, 1));
            if (error) {
                // A server on another machine, or one that may not see our memory.
                std::free(error);
                segment_ = 0;
                shmdt(address);
            } else {
                shared_ = static_cast<std::uint32_t*>(address);
            }
        }
        // Gone with its last user: nothing stays behind should the module be killed.
        if (shared_id_ >= 0) shmctl(shared_id_, IPC_RMID, nullptr);
        shared_id_ = -1;
    }
    if (shared_) {
        std::fill_n(shared_, pixels, 0xff000000u);
    } else {
        pixels_.assign(pixels, 0xff000000u);
        // The most pixels one request carries, and a row to spare: sized once, not per frame.
        const std::size_t largest = static_cast<std::size_t>(xcb_get_maximum_request_length(connection)) * 4;
        rows_.resize(largest / sizeof(std::uint32_t) + static_cast<std::size_t>(width_));
    }
}

void x_picture::release() {
    if (segment_) {
        xcb_shm_detach(display_.connection(), segment_);
        shmdt(shared_);
    }
    segment_ = 0;
    shared_ = nullptr;
    busy_ = false;
}

void x_picture::resize(int width, int height) {
    release();
    presenter_.forget_destination();
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    allocate();
}

void x_picture::show(const index_image& source, const colour_table& colours, const pixel_area& drawn) {
    std::uint32_t* pixels = shared_ ? shared_ : pixels_.data();
    const pixel_area written = presenter_.present_changes(source, drawn, colours, {pixels, width_, height_, width_});
    const pixel_area part = clipped(written, width_, height_);
    if (!part.empty()) send(part);
}

void x_picture::resend(const pixel_area& area) {
    const pixel_area part = clipped(area, width_, height_);
    if (!part.empty()) send(part);
}

void x_picture::send(const pixel_area& area) {
    xcb_connection_t* connection = display_.connection();
    const auto width = static_cast<std::uint16_t>(area.right - area.left);
    if (segment_) {
        xcb_shm_put_image(connection, window_, gc_, static_cast<std::uint16_t>(width_),
                          static_cast<std::uint16_t>(height_), static_cast<std::uint16_t>(area.left),
                          static_cast<std::uint16_t>(area.top), width, static_cast<std::uint16_t>(area.bottom - area.top),
                          static_cast<std::int16_t>(area.left), static_cast<std::int16_t>(area.top), depth_,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, 1, segment_, 0);
        busy_ = true;
        return;
    }
    // Without shared memory: as many whole rows a request as the server takes.
    const std::size_t row_bytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
    const std::size_t largest = static_cast<std::size_t>(xcb_get_maximum_request_length(connection)) * 4;
    const int rows_a_piece = static_cast<int>(std::max<std::size_t>(1, (largest - put_image_header) / row_bytes));
    for (int top = area.top; top < area.bottom; top += rows_a_piece) {
        const int rows = std::min(rows_a_piece, area.bottom - top);
        for (int row = 0; row < rows; ++row)
            std::memcpy(rows_.data() + static_cast<std::size_t>(row) * width,
                        pixels_.data() + static_cast<std::size_t>(top + row) * width_ + area.left, row_bytes);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_, width, static_cast<std::uint16_t>(rows),
                      static_cast<std::int16_t>(area.left), static_cast<std::int16_t>(top), 0, depth_,
                      static_cast<std::uint32_t>(row_bytes * rows), reinterpret_cast<const std::uint8_t*>(rows_.data()));
    }
}

bool x_picture::take_completion(const xcb_generic_event_t& event) {
    if (!display_.has_shared_memory() ||
        (event.response_type & 0x7f) != display_.shared_memory_first_event() + XCB_SHM_COMPLETION)
        return false;
    const auto& completion = reinterpret_cast<const xcb_shm_completion_event_t&>(event);
    if (completion.shmseg == segment_) busy_ = false;
    return true;
}

}  // namespace quor
