#pragma once
// GIF images coded on worker threads and written in order. LZW coding is
// nearly all of a GIF's cost, and each image is coded on its own, so frames
// are coded side by side; the file is the same whatever the number of workers.

#include "render/gif_image_encoder.h"
#include "render/gif_writer.h"

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quor {

// One worker per processor.
int default_gif_workers();

class gif_image_queue {
public:
    // Images of a `width` x `height` screen into `writer`. With 0 workers
    // every image is coded at once on the caller's thread. Throws gif_error.
    gif_image_queue(gif_writer& writer, int width, int height, int workers);
    // Stops the workers; images not yet written are dropped.
    ~gif_image_queue();
    gif_image_queue(const gif_image_queue&) = delete;
    gif_image_queue& operator=(const gif_image_queue&) = delete;

    // The next image: `area` of `picture` (clipped to it, at least one pixel)
    // is copied, so the picture may change at once. Waits while every slot is
    // taken. Throws gif_error from coding or writing an earlier image.
    void add(const index_image& picture, pixel_area area, const colour_table& colours, int delay);
    // Every image coded and written. Throws gif_error.
    void finish();

private:
    struct slot {
        std::vector<std::uint8_t> pixels;  // the area's rows, one after the other
        index_image image;                 // over pixels
        point place;                       // where the area lies on the screen
        colour_table colours{};
        int delay = 0;
        std::vector<std::uint8_t> coded;
        std::exception_ptr failure;
        bool done = false;
    };

    slot& slot_of(std::int64_t image) { return slots_[std::size_t(image % std::int64_t(slots_.size()))]; }
    static void code(gif_image_encoder& encoder, slot& image);
    void work(gif_image_encoder& encoder);
    // Waits until the next image to write is coded, and writes it.
    void write_next(std::unique_lock<std::mutex>& lock);

    gif_writer& writer_;
    std::vector<slot> slots_;
    std::vector<std::unique_ptr<gif_image_encoder>> encoders_;  // one a worker, or the caller's own
    std::vector<std::thread> workers_;

    std::mutex mutex_;
    std::condition_variable to_code_;  // an image was added, or the workers must stop
    std::condition_variable coded_;    // an image is coded
    std::int64_t added_ = 0;
    std::int64_t taken_ = 0;  // images a worker has begun
    std::int64_t written_ = 0;
    bool stopping_ = false;
};

}  // namespace quor
