#include "fuzz/support/ShippedContent.hpp"

namespace fuzz {

tarsk::GameContent& shippedContent() {
    static tarsk::GameContent content(false, 1);
    [[maybe_unused]] static const bool loaded = (content.load(), true);
    return content;
}

} // namespace fuzz
