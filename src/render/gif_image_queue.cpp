#include "render/gif_image_queue.h"

#include <algorithm>
#include <cstring>

namespace quor {

namespace {

// The slots copy the pictures: at the largest sizes, fewer of them.
constexpr std::size_t memory_for_slots = std::size_t(256) << 20;  // bytes

}  // namespace

int default_gif_workers() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

gif_image_queue::gif_image_queue(gif_writer& writer, int width, int height, int workers) : writer_(writer) {
    const std::size_t picture_bytes = std::max<std::size_t>(std::size_t(width) * std::size_t(height), 1);
    // Two slots a worker keep the workers busy while the caller fills the next.
    const std::size_t wanted = workers > 0 ? std::size_t(workers) * 2 : 1;
    slots_.resize(std::clamp(memory_for_slots / picture_bytes, std::size_t(1), wanted));
    for (slot& each : slots_) {
        each.pixels.resize(picture_bytes);
        each.coded.reserve(picture_bytes / 2 + 4096);  // our coded images are smaller; a larger one grows it
    }
    for (int i = 0; i < std::max(workers, 1); ++i) encoders_.push_back(std::make_unique<gif_image_encoder>(width, height));
    if (workers == 0) return;
    for (auto& encoder : encoders_) workers_.emplace_back([this, coder = encoder.get()] { work(*coder); });
}

gif_image_queue::~gif_image_queue() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    to_code_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void gif_image_queue::code(gif_image_encoder& encoder, slot& image) {
    try {
        encoder.encode(image.image, image.place, image.colours, image.delay, image.coded);
    } catch (...) {
        image.failure = std::current_exception();
    }
}

void gif_image_queue::work(gif_image_encoder& encoder) {
    std::unique_lock lock(mutex_);
    for (;;) {
        to_code_.wait(lock, [this] { return stopping_ || taken_ < added_; });
        if (stopping_) return;
        slot& image = slot_of(taken_++);
        lock.unlock();
        code(encoder, image);
        lock.lock();
        image.done = true;
        coded_.notify_all();
    }
}

void gif_image_queue::write_next(std::unique_lock<std::mutex>& lock) {
    slot& image = slot_of(written_);
    coded_.wait(lock, [&image] { return image.done; });
    ++written_;
    if (image.failure) std::rethrow_exception(image.failure);
    writer_.append(image.coded);
}

void gif_image_queue::add(const index_image& picture, pixel_area area, const colour_table& colours, int delay) {
    area.left = std::clamp(area.left, 0, picture.width - 1);
    area.top = std::clamp(area.top, 0, picture.height - 1);
    area.right = std::clamp(area.right, area.left + 1, picture.width);
    area.bottom = std::clamp(area.bottom, area.top + 1, picture.height);

    std::unique_lock lock(mutex_);
    // The slot's last image goes out first, and with it every one before.
    while (written_ + std::int64_t(slots_.size()) <= added_) write_next(lock);
    slot& image = slot_of(added_);
    lock.unlock();

    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    for (int y = 0; y < height; ++y)
        std::memcpy(image.pixels.data() + std::size_t(y) * std::size_t(width),
                    picture.pixels + (area.top + y) * picture.stride + area.left, std::size_t(width));
    image.image = {image.pixels.data(), width, height, width};
    image.place = {area.left, area.top};
    image.colours = colours;
    image.delay = delay;
    image.failure = nullptr;
    image.done = workers_.empty();
    if (image.done) code(*encoders_.front(), image);

    lock.lock();
    ++added_;
    lock.unlock();
    to_code_.notify_one();
}

void gif_image_queue::finish() {
    std::unique_lock lock(mutex_);
    while (written_ < added_) write_next(lock);
}

}  // namespace quor
