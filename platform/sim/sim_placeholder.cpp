// The simulated platform; its pieces are added beside this file.
namespace platform::sim {}
