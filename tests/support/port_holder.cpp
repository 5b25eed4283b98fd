#include "tests/support/port_holder.h"

PortHolder::PortHolder(const std::string& path, How how)
    : m_program(HOLD_PORT_PROGRAM, {path, how == How::Lock ? "lock" : "exclusive"}),
      m_holds(m_program.ReadOutputLine() == "held") {}

PortHolder::~PortHolder() {
    m_program.CloseInput();
    m_program.Wait();
}
