#include "editor/descriptions.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace editor {

const char kStrayPointerMessage[] =
    "設定中はヌピレオ以外のマウスを使わないでください。スイッチを長く３回押して終了し、設定ソフト起"
    "動からやり直してください。";
const char kSwitchOnTitle[] = "ヌピレオ設定 Ver.5.0    スイッチオン状態で起動（設定値 = 規定値）";
const char kVersionTitle[] = "ヌピレオ設定 Ver.5.0      Hard: Ver.";

namespace {

// Lines 2 to 4 of items 7 and 8, which offer the same actions.
const char kActionsLine2[] =
    "選択できる内容：　右クリック、（左）ダブルクリック、中ボタン（スクロールボタン）、";
const char kActionsLine3[] =
    "ワープ（直前の移動方向へ大きく移動）、（画面の）左上へジャンプ、（画面の）左下へジャンプ、";
const char kActionsLine4[] = "（画面の）右下へジャンプ、（画面の）右上へジャンプ";

const std::vector<std::vector<std::string>>& ItemLines() {
  static const std::vector<std::vector<std::string>> lines = {
      // 1: direction pattern
      {"説明：　マウスカーソルの移動方向を上下左右の４方向とするか、斜め方向を含めた８方向とするか"
       "を選択します。また、曲がる向きを選択します。",
       "選択できる内容：　４方向時計回り、４方向反時計回り、８方向時計回り、８方向反時計回り"},
      // 2: start direction
      {"説明：　マウスカーソルが動き始めるとき、上下左右どの方向からはじめるか選択します。",
       "選択できる内容：　上、下、右、左"},
      // 3: buzzer
      {"説明：　スイッチを操作したときにブザーを鳴らすかどうかを選択します。",
       "選択できる内容：　なし（鳴らない）、長押、押始め＋長押、押始め＋長押＋確定（実行）"},
      // 4: left-button lock
      {"説明：　このバージョンでは設定は無効です。"},
      // 5: right-click shift
      {"説明：右クリック後マウスカーソルを右下に少し移動してメニューを選びやすくする機能を選択しま"
       "す。",
       "選択できる内容：　なし、右下へ移動（５ステップ）"},
      // 6: double long press action
      {"説明：スイッチを長く押す操作を続けて２回行ったときの動作を選びます。",
       "選択できる内容：　右クリック、（左）ダブルクリック"},
      // 7: triple long press action
      {"説明：スイッチを長く押す操作を続けて３回行ったときの動作を選びます。", kActionsLine2,
       kActionsLine3, kActionsLine4},
      // 8: quadruple long press action
      {"説明：スイッチを長く押す操作を続けて４回行ったときの動作を選びます。", kActionsLine2,
       kActionsLine3, kActionsLine4},
      // 9: cursor speed
      {"説明：マウスカーソルの移動スピードを設定します。数字が大きいほど速くなります。",
       "スピード微調整［速く：ーー・ー　遅く：ー・ーー］（Hard "
       "Ver.4.5以降）の設定値が優先しますが、",
       "ここで再設定を行うと、スピード微調整による設定は解除されます。"},
      // 10: long-press threshold
      {"説明：スイッチが長く押されたと判断する切り分け時間を設定します。数字が大きいほど時間が短く"
       "なります。"},
      // 11: pause after short press
      {"説明：　スイッチを短く押す操作の後の待ち時間を設定します。",
       "待ち時間の間はカーソルが移動しないので続けて操作するとカーソルは直接希望の方向に向かって移"
       "動します。"},
      // 12: pause after long press
      {"説明　スイッチを長く押す操作の後の待ち時間を設定します。",
       "短く設定すると操作から実際のクリック動作までの時間が短くなりますが、連続操作の時にスイッチ"
       "を素早く押す必要があります。"},
      // 13: finish item
      {"説明：　短く押すと設定項目の選択に移ります。",
       "長く押すと「変更して終了」「変更前に戻す」「標準値に戻す」操作に移ります。"},
  };
  return lines;
}

const std::vector<std::string>& ChoiceTexts() {
  static const std::vector<std::string> texts = {
      "説明：　短く押すと設定項目の選択に移ります。長く押すと「変更して終了」操作に移ります。",
      "説明：　短く押すと現在の設定値を記憶して終了します。長く押すと「変更前に戻す」操作に移ります"
      "。",
      "説明：　短く押すと設定値を変更前の値に戻します。長く押すと「標準値に戻す」操作に移ります。",
      "説明：　短く押すと設定値を標準的な値に戻します。長く押すと「設定を続ける」操作に移ります。",
  };
  return texts;
}

}  // namespace

const std::vector<std::string>& ItemDescriptionLines(Int32 item) {
  if (item < 1 || item > 13) throw std::out_of_range("no setting item " + fw::Str(item));
  return ItemLines()[static_cast<std::size_t>(item - 1)];
}

std::string ItemDescription(Int32 item) {
  const std::vector<std::string>& lines = ItemDescriptionLines(item);
  std::string text = lines.front();
  for (std::size_t n = 1; n < lines.size(); ++n)
    text = text + fw::EndOfLine() + lines[n];
  return text;
}

const std::string& FinishChoiceDescription(Int32 choice) {
  if (choice < 1 || choice > 4) throw std::out_of_range("no finish choice " + fw::Str(choice));
  return ChoiceTexts()[static_cast<std::size_t>(choice - 1)];
}

}  // namespace editor
