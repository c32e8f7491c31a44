#include "CCommandLine.h"

namespace {
struct CCommandForm {
    std::string_view name;
    ECliCommand command;
    std::size_t fileCount; // positional arguments, the search text included
    bool takesOptions = false;
};

constexpr CCommandForm COMMANDS[] = {
    {"dump", ECliCommand::Dump, 1},
    {"copy", ECliCommand::Copy, 2},
    {"find", ECliCommand::Find, 2, true},
};
} // namespace

std::optional<CCommandLine> CCommandLine::Parse(const std::vector<std::string_view>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))
        return CCommandLine(ECliCommand::Help, {});
    if (args.empty())
        return std::nullopt;
    for (const CCommandForm& form : COMMANDS) {
        const std::size_t positional = form.fileCount + 1;
        if (args[0] != form.name || args.size() < positional ||
            (args.size() > positional && !form.takesOptions))
            continue;
        const auto options = args.begin() + static_cast<std::ptrdiff_t>(positional);
        return CCommandLine(form.command, std::vector<std::string>(args.begin() + 1, options),
                            std::vector<std::string>(options, args.end()));
    }
    return std::nullopt;
}

std::string CCommandLine::Usage() {
    return "使い方: tarnvale-cli <コマンド> <ファイル>...\n"
           "\n"
           "  dump ファイル       アドレス帳を JSON（UTF-8）で標準出力に書き出します。\n"
           "                      {\"groups\": [{\"name\"}...], \"persons\": [{\"name\", \"zip\", "
           "...,\n"
           "                      \"sex\", \"groups\": [グループの番号...]}...]}\n"
           "  copy 入力 出力      入力のアドレス帳を読み込んで出力に保存します。\n"
           "                      出力が既にあれば「出力.bak」に残してから置き換えます。\n"
           "  find ファイル 文字列 [--fields 番号,...] [--ignore-case-width]\n"
           "                      選んだ項目（番号 0-10、既定はすべて）に文字列を含む人を\n"
           "                      {\"persons\": [{dump と同じ項目..., \"index\": 位置}...]} "
           "で書き出します。\n"
           "                      --ignore-case-width で大文字/小文字、全角/半角を区別しません。\n"
           "  --help, -h          この説明を表示します。\n"
           "\n"
           "終了コード: 0 成功、1 ファイルを読めないか保存できない（理由を標準エラーに 1 行）、\n"
           "            2 使い方の誤り。\n";
}
