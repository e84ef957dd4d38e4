int complete;
namespace open {
  int inside;
