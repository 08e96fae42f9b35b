#include "tools/tool_rig.h"

namespace pixmint::tools::test {

void Stroke(TKvPaint& tool, const std::vector<raster::Point>& points, ShiftState shift) {
  tool.OnMouseDown(shift, points.front().x, points.front().y);
  for (std::size_t i = 1; i < points.size(); ++i) tool.OnMouseMove(shift, points[i].x, points[i].y);
  tool.OnMouseUp(shift, points.back().x, points.back().y);
}

int MemorySettings::RegReadInt(std::string_view name) {
  auto it = ints.find(name);
  return it == ints.end() ? 100 : it->second;
}

std::string MemorySettings::ReadString(std::string_view name) {
  auto it = strings.find(name);
  return it == strings.end() ? std::string() : it->second;
}

bool MemorySettings::Exists(std::string_view name) {
  return ints.find(name) != ints.end() || strings.find(name) != strings.end();
}

std::string MemorySettings::ReadSubkeyString(std::string_view subkey, std::string_view name) {
  return ReadString(std::string(subkey) + "\\" + std::string(name));
}

void MemorySettings::WriteSubkeyString(std::string_view subkey, std::string_view name, std::string_view value) {
  WriteString(std::string(subkey) + "\\" + std::string(name), value);
}

}  // namespace pixmint::tools::test
