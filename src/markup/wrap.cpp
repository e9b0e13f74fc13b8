#include "markup/wrap.h"

#include <string>

namespace zumoku {

void Wrap(EditBuffer& buffer, const Wrapper& wrapper) {
  buffer.SetSelText(std::string(wrapper.opening) + buffer.SelText() + std::string(wrapper.closing));
}

}  // namespace zumoku
