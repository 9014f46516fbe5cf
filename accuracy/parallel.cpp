#include "parallel.hpp"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>

namespace accuracy {

void run_in_parallel(const std::vector<std::function<void()>>& jobs)
{
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t k = next++; k < jobs.size(); k = next++) {
            jobs[k]();
        }
    };
    const unsigned threads = std::max(1U, std::thread::hardware_concurrency());
    std::vector<std::jthread> pool;
    for (unsigned k = 1; k < threads; ++k) {
        pool.emplace_back(worker);
    }
    worker();
}

} // namespace accuracy
