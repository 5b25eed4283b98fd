#include "sim/reply_faults.h"

namespace tq73sim {

std::string WithoutLastField(std::string_view reply) {
    return std::string(reply.substr(0, reply.rfind(',')));
}

std::string Lengthened(std::string_view reply) {
    return std::string(reply) + "," + std::string(32, 'X');
}

} // namespace tq73sim
