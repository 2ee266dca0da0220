#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// Work files written for the benchmarks, straight as bytes, so that making them costs little
// and does not depend on the writer being measured.
namespace tamo::bench {

enum class Shape {
  // As builders write: for every 100 MB about 57,000 rooms, 28,000 creatures and 57,000 items,
  // with long texts and small lists in every room.
  real,
  // Hostile: nothing but empty blocks of every kind, about a third of the bytes each.
  empty_records,
  // Hostile: records with one-letter names and one-letter list entries.
  tiny_records,
};

std::string shape_name(Shape shape);

// Writes a work of that shape of about `megabytes` MB (Windows-1250, CR LF) into the folder,
// unless it is there already; returns its path.
std::filesystem::path generated_work(Shape shape, int megabytes,
                                     const std::filesystem::path& folder);

// An area shaped as the real works, of that many rooms (half as many creatures, as many items).
std::filesystem::path generated_area(std::size_t rooms, const std::filesystem::path& folder);

// The folder the benchmarks keep their files in, created on first use.
const std::filesystem::path& bench_folder();

// Peak resident memory of this process so far, in bytes.
double peak_rss_bytes();

}  // namespace tamo::bench
