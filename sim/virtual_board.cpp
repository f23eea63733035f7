#include "sim/virtual_board.h"

#include <string>

namespace rpx::sim {

VirtualBoard::VirtualBoard(BoardSetup setup) : m_board(m_line.Second(), std::move(setup)) {
    m_line.Second().Open(std::string(kVirtualBoardPort));
    m_thread = std::thread([this] { m_board.Run(); });
}

VirtualBoard::~VirtualBoard() {
    m_board.Stop();
    m_thread.join();
}

} // namespace rpx::sim
