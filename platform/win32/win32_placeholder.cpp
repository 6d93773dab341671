// The Win32 platform; its pieces are added beside this file.
namespace platform::win32 {}
