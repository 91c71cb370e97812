#include "platform/ProgramPaths.h"

#include <filesystem>

std::string ProgramDir()
{
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : exe.parent_path().string();
}

std::string ProgramDataDir()
{
  return ProgramDir() + "/../share/lexoria";
}
