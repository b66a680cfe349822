#include "fuzz/support/ShippedContent.hpp"

namespace fuzz {

gamefile::HeadlessContent& shippedContent() {
    static gamefile::HeadlessContent content(1);
    return content;
}

} // namespace fuzz
