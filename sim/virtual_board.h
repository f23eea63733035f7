#pragma once

#include <string_view>
#include <thread>

#include "core/link/memory_serial_pair.h"
#include "sim/simulated_board.h"

namespace rpx::sim {

// The name the program's board port choice shows for the board inside the program.
inline constexpr std::string_view kVirtualBoardPort = "Virtual board";

// A simulated trunking board inside the program, serving one end of an in-memory line on its own
// thread from construction until destruction. The program opens Device() as its board port.
class VirtualBoard {
public:
    explicit VirtualBoard(BoardSetup setup = {});
    ~VirtualBoard();
    VirtualBoard(const VirtualBoard&) = delete;
    VirtualBoard& operator=(const VirtualBoard&) = delete;

    SerialDevice& Device() { return m_line.First(); }
    SimulatedBoard& Board() { return m_board; }

private:
    MemorySerialPair m_line;
    SimulatedBoard m_board;
    std::thread m_thread;
};

} // namespace rpx::sim
