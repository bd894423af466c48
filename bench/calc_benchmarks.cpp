// textToInteger and a whole calculateEquipment click on value-box texts from 16 bytes to
// 64 MiB: the cost must grow no faster than the text.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/calculations.h"
#include "calc/conversions.h"
#include "ui/control_text.h"

namespace {

enum class Shape { allDigits, fullWidthDigits, numberThenJunk };

std::string repeatedTo(std::string_view unit, std::size_t bytes) {
  std::string text;
  text.reserve(bytes + unit.size());
  while (text.size() < bytes) text += unit;
  text.resize(bytes);
  return text;
}

// The text of a shape and size, made once and kept while the next benchmark asks for it.
const std::string& textOf(Shape shape, std::size_t bytes) {
  static Shape keptShape;
  static std::string kept;
  if (kept.size() != bytes || keptShape != shape) {
    kept.clear();
    kept.shrink_to_fit();
    switch (shape) {
      case Shape::allDigits:
        kept = repeatedTo("1234567890", bytes);
        break;
      case Shape::fullWidthDigits:
        kept = repeatedTo("１２３４５６７８９０", bytes);
        break;
      case Shape::numberThenJunk:
        kept = "2400" + repeatedTo("abc装备外观．５　", bytes - 4);
        break;
    }
    keptShape = shape;
  }
  return kept;
}

void textToInteger(benchmark::State& state, Shape shape) {
  const std::string& text = textOf(shape, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(calc::textToInteger(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// The whole click: read the value box (a copy of its text), convert, compute, write the result.
void calculateEquipment(benchmark::State& state, Shape shape) {
  ui::InMemoryControls boxes{"编辑框3", "编辑框4"};
  boxes.replaceControlText("编辑框3", textOf(shape, static_cast<std::size_t>(state.range(0))));
  ui::loadWindow(ui::WindowId::mainWindow);
  ui::attachControls(ui::WindowId::mainWindow, &boxes);
  for (auto _ : state) {
    calc::calculateEquipment();
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
  ui::detachControls(ui::WindowId::mainWindow);
  ui::unloadWindow(ui::WindowId::mainWindow);
}

void textSizes(benchmark::internal::Benchmark* benchmark) {
  for (std::int64_t bytes :
       {std::int64_t{16}, std::int64_t{1} << 10, std::int64_t{1} << 20, std::int64_t{64} << 20})
    benchmark->Arg(bytes);
}

}  // namespace

BENCHMARK_CAPTURE(textToInteger, allDigits, Shape::allDigits)->Apply(textSizes);
BENCHMARK_CAPTURE(textToInteger, fullWidthDigits, Shape::fullWidthDigits)->Apply(textSizes);
BENCHMARK_CAPTURE(textToInteger, numberThenJunk, Shape::numberThenJunk)->Apply(textSizes);
BENCHMARK_CAPTURE(calculateEquipment, allDigits, Shape::allDigits)->Apply(textSizes);
BENCHMARK_CAPTURE(calculateEquipment, fullWidthDigits, Shape::fullWidthDigits)->Apply(textSizes);
BENCHMARK_CAPTURE(calculateEquipment, numberThenJunk, Shape::numberThenJunk)->Apply(textSizes);
