#include "storage/clipboard_text.h"

#include "storage/data_file_sections.h"
#include "storage/data_file_writer.h"
#include "storage/line_reader.h"
#include "storage/line_writer.h"

namespace quorvane {

namespace {

constexpr std::string_view Heading = "Quorvane blocks";
constexpr std::string_view Closing = "end of blocks";

// Connections into one input must be one at most, and the inputs follow the connections.
bool ConnectInputs(SimulationForm& copied) {
    for (int b = 1; b <= copied.BlockCount; ++b) copied.Blocks[b].Input = {};
    for (int c = 1; c < copied.NextConnection; ++c) {
        const Connection& conn = copied.Connections[c];
        int& source = copied.Blocks[conn.ToBlock].Input[conn.ToInput];
        if (source != 0) return false;
        source = conn.FromBlock;
    }
    return true;
}

}  // namespace

std::string BlocksText(const SimulationForm& copied) {
    LineWriter out;
    out.Text(Heading);
    out.Integer(copied.BlockCount);
    for (int b = 1; b <= copied.BlockCount; ++b) WriteBlockRecord(out, copied.Blocks[b], b);
    WriteConnectionRecords(out, copied, 0);
    out.Text(Closing);
    return out.Result();
}

std::optional<SimulationForm> ReadBlocksText(std::string_view text) {
    SimulationForm copied;
    try {
        LineReader in(text);
        if (in.Text() != Heading) return std::nullopt;
        const int count = in.Integer();
        if (count < 1 || count > MaxBlocks) return std::nullopt;
        copied.BlockCount = count;
        for (int b = 1; b <= count; ++b) ReadBlockRecord(in, copied.Blocks[b], count);
        ReadConnectionRecords(in, copied);
        if (in.Text() != Closing) return std::nullopt;
    } catch (const DataFileError&) {
        return std::nullopt;
    } catch (const DataFileEnd&) {
        return std::nullopt;
    }
    if (!ConnectInputs(copied)) return std::nullopt;
    return copied;
}

}  // namespace quorvane
