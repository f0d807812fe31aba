// The texts of every line set the pet speaks, with their friendship changes and close behaviour,
// and the numbers by which the pet window opens them. Only data lives here; speech.h composes it.
#include "catalogue.h"

#include <initializer_list>
#include <iterator>

namespace {

using Texts = std::initializer_list<const char *>;

QStringList toLines(Texts texts)
{
    QStringList lines;
    for (const char *t : texts)
        lines << QString::fromUtf8(t);
    return lines;
}

Alternative say(Texts lines, qint16 change = 0)
{
    return Alternative{toLines(lines), change};
}

// One utterance per entry, written "name「words」"; an empty line separates two utterances.
Alternative talk(Texts utterances, qint16 change = 0)
{
    QStringList lines;
    for (const char *u : utterances) {
        if (!lines.isEmpty())
            lines << QString();
        lines << QString::fromUtf8(u);
    }
    return Alternative{lines, change};
}

LineSet lineSet(const char *name, Close close, const char *header,
                QList<QList<Alternative>> draws, qint16 fixedChange = 0)
{
    return LineSet{QString::fromUtf8(name), close, fixedChange, QString::fromUtf8(header),
                   std::move(draws)};
}

const char *const kThanks = "Danke shoen!";
// The narration is too wide for one line of the panel; it breaks between its two phrases.
const char *const kTwoFriendsVisit = "ロウェルとフェンが\r\n遊びにきました";
const char *const kGarudoVisit = "ガルドが遊びにきました";

QList<LineSet> buildCatalogue()
{
    const Close Click = Close::Click;
    const Close Auto = Close::Auto;
    QList<LineSet> c;

    // --- Sets opened by number from the pet window's routine ---------------------------------
    c << lineSet("Intoform0", Click, "",
                 {{say({"はじめまして！ぼくはピモ。",
                        "ドイツ生まれだよ。よろしくね！",
                        "ぼくのこと、毎日起こしてね！"})}});

    // The first line names the answer and is built by the composer; these follow it.
    c << lineSet("Intoform", Click, "",
                 {{say({"すごい！キミって物知りだね！"}),
                   say({"ありがと！また教えてね！"}),
                   say({"ぼくも、もっと勉強するぞっ！"})},
                  {say({"もうっ、頼りにならないなぁ！"}),
                   say({"キミを信じたぼくがバカだった"}),
                   say({"ぷんぷん！バツもらっちゃった"})}});

    c << lineSet("Intoform2", Click, "Gute Nacht! おやすみなさい",
                 {{say({"今日もいっしょで楽しかったよ"}),
                   say({"いい夢みてね。ぼくもみるよ"}),
                   say({"明日もまた遊ぼうね。約束だよっ"}),
                   say({"ふわぁ〜…もう目が開かないや"}),
                   say({"夜ふかししちゃダメだよ？"}),
                   say({"寝顔をのぞいちゃダメだよ！"})}});

    c << lineSet("Intoform3a", Click, "",
                 {{say({"今日の運勢、占ってあげる！",
                        "水晶玉をじーっと見てみるね",
                        "結果が出るまで待っててね"})}});

    // Two very good fortunes, two middling, two poor.
    c << lineSet("Intoform3b", Click, "占いの結果が出たよ！",
                 {{say({"大吉！なんでもうまくいくよ！"}),
                   say({"超ラッキー！いいことあるかも"}),
                   say({"まあまあ。いつもどおりが一番"}),
                   say({"ふつうの日。油断しちゃダメだよ"}),
                   say({"うーん、忘れ物に気をつけて"}),
                   say({"あちゃー…おとなしくしてようね"})}});

    c << lineSet("Intoform4", Auto, "",
                 {{say({"早く芽が出ないかなぁ。",
                        "毎日お水をあげて待ってるんだ"})}});

    c << lineSet("Intoform5", Auto, "Guten Morgen! おはようっ",
                 {{say({"今日もいいお天気だといいね"}),
                   say({"ふわぁ…まだちょっと眠いや"}),
                   say({"朝ごはん、なにかなぁ？"}),
                   say({"今日はなにして遊ぼっか？"}),
                   say({"早起きしたよ！えらいでしょ？"}),
                   say({"顔を洗って、しゃきっとしよう"})}});

    // First the piece, then an independent comment on it.
    c << lineSet("Intoform6", Auto, "",
                 {{say({"ベートーヴェンの「田園」だよ"}),
                   say({"モーツァルトの「トルコ行進曲」"}),
                   say({"バッハの「G線上のアリア」だよ"}),
                   say({"ヴィヴァルディの「春」だよ"})},
                  {say({"聴いてると、落ち着くんだ"}),
                   say({"キミもいっしょに聴こうよ！"}),
                   say({"ぼくも、いつか弾いてみたいな"}),
                   say({"ドイツの森を思い出すなぁ"}),
                   say({"思わず指揮したくなっちゃう！"}),
                   say({"ふわぁ…気持ちよくて眠いや"})}});

    c << lineSet("Intoform7", Auto, "お風呂の時間だよ〜",
                 {{say({"あわあわにしちゃおっと"}),
                   say({"のぞいちゃダメだからね！"}),
                   say({"髪が長いから、洗うの大変なんだ"}),
                   say({"ふ〜、いいお湯だなぁ"}),
                   say({"アヒルさんもいっしょに入るんだ"}),
                   say({"百数えたら出るね。いーち…"})}});

    // Thanks for the presents.
    c << lineSet("IntoformB1", Auto, kThanks,
                 {{say({"わぁ、お人形だ！ありがとう！",
                        "ガルドに似てる！大事にするね"})}});
    c << lineSet("IntoformB2", Auto, kThanks,
                 {{say({"わーい、レースカーのキットだ！",
                        "組み立てて、うんと速くするぞ！"})}});
    c << lineSet("IntoformB3", Auto, kThanks,
                 {{say({"お花の種だね！ありがとう！",
                        "きれいに咲かせてみせるね！"})}});
    c << lineSet("IntoformB4", Auto, kThanks,
                 {{say({"ひとりで遊べるボードゲームだ！",
                        "コマを最後の一個にするぞ！"})}});
    c << lineSet("IntoformB5", Auto, kThanks,
                 {{say({"バイオリンだ！ほしかったんだ",
                        "練習して、キミに聴かせるね"})}});
    c << lineSet("IntoformB6", Auto, kThanks,
                 {{say({"えっ、パソコン！？いいの？",
                        "これでキミとおそろいだね！"})}});

    c << lineSet("Intoform8", Auto, "",
                 {{say({"「グリム童話」を読んでるんだ",
                        "ドイツのお話がいっぱいなんだよ"}),
                   say({"「ファーブル昆虫記」だよ",
                        "虫って、すっごくおもしろい！"}),
                   say({"「銀河鉄道の夜」を読んでるんだ",
                        "ぼくも汽車で星の旅がしたいな"}),
                   say({"「星の王子さま」を読んでるよ",
                        "大切なものは、目に見えないって"})}});

    // Leaving always costs a little, whatever the pet says.
    c << lineSet("Intoform9", Auto, "",
                 {{say({"えー、出かけちゃうの？", "しょうがないなぁ。お留守番ね"}),
                   say({"いってらっしゃい！", "おみやげ、楽しみにしてるね！"}),
                   say({"ちぇっ、ぼくも行きたかったなぁ", "早く帰ってきてよね"}),
                   say({"気をつけていってらっしゃい", "おうちはぼくがしっかり守るよ！"})}},
                 -3);

    // By minutes away: under 5, 5-29, 30-59, 60 or more. The composer makes the change.
    c << lineSet("Intoform10", Auto, "",
                 {{say({"あれっ、もう帰ってきたの？", "おうちはちゃんと守ってたよ！"}),
                   say({"おかえりなさい！待ってたよ〜", "退屈してたんだ。また遊ぼ！"}),
                   say({"やっと帰ってきた！ほっとしたよ", "あんまりひとりにしないでよね"}),
                   say({"遅いよ〜！心配してたんだから", "なにかあったのかと思ったよ…"})}});

    c << lineSet("IntoformB7", Auto, kTwoFriendsVisit,
                 {{talk({"ロウェル「よっ、元気か？」",
                         "フェン「おじゃましまーす！」"})}});
    c << lineSet("IntoformB8", Auto, "",
                 {{say({"いよいよレースが始まるよ！",
                        "マシンはピカピカに仕上げたよ",
                        "ぜったい一番になるからね！"})}});
    c << lineSet("IntoformB9", Auto, "",
                 {{say({"見て見て！優勝トロフィーだよ！",
                        "キミが応援してくれたおかげだね"})}});
    c << lineSet("IntoformB10", Auto, kGarudoVisit,
                 {{talk({"ガルド「相変わらずチビだな」"})}});

    // --- Sets opened by a click on the pet -------------------------------------------------
    c << lineSet("IntoformD1", Auto, "",
                 {{say({"ねえねえ、今なにしてるの？", "ぼくにもちょっと見せてよ"}),
                   say({"ぼくといっしょにいて楽しい？", "…なんで黙ってるのさ。むぅ"}, -2),
                   say({"いつかドイツに遊びにおいでよ！", "ぼくが案内してあげるからね"}, 2),
                   say({"毎日キミに会えたらいいなぁ", "明日もまた来てくれるよね？"}),
                   say({"ぼくはバージョン " TOBBERLY_VERSION " だよ",
                        "これからもっと成長するよ！"}),
                   say({"ぼくを作ってくれたのは", "「トベリー工房」のみんなだよ！"})}});

    c << lineSet("IntoformD14", Auto, "",
                 {{say({"パジャマからお着がえ中だよ", "こっち見ちゃダメ！"}),
                   say({"ボタンがうまくとまらない〜", "ちょっと手伝ってくれる？"}),
                   say({"今日はどの服にしようかなぁ", "キミはどれがいいと思う？"}),
                   say({"うぅ、まだパジャマでいたいよぉ", "ぬくぬくなんだもん"})}});

    c << lineSet("IntoformD17", Auto, "",
                 {{say({"もうっ、今いそがしいの！"}, -2),
                   say({"長い髪は、とかすのが大変なんだ", "でも切るのはイヤなんだよね"}),
                   say({"今日はリボンで結んでみようかな", "似合うかなぁ？"}),
                   say({"ぼくの髪、サラサラでしょ？", "さわってみる？えへへ"}, 2)}});

    c << lineSet("IntoformD18", Auto, "",
                 {{say({"食べてるときは話しかけないで！", "ごはんに集中したいの"}, -2),
                   say({"いただきまーす！", "今日のごはんもおいしそう！"}),
                   say({"キミもいっしょに食べようよ", "ひとりより、おいしいもん"}, 2),
                   say({"ニンジンは…あとで食べるね", "キライじゃないよ、ほんとだよ"})}});

    c << lineSet("IntoformD21", Auto, "",
                 {{say({"おやつの時間だ〜！", "今日はケーキなんだ。えへへ"}),
                   say({"あまいものは別腹なんだよ", "ごはんのあとでも入っちゃう"}),
                   say({"一口ほしい？", "…やっぱりあげない！"}),
                   say({"ドイツのお菓子もおいしいんだよ", "バウムクーヘンって知ってる？"})}});

    c << lineSet("IntoformD22", Auto, "",
                 {{say({"もぐもぐ…もぐもぐ…"}),
                   say({"むぐ？…んぐんぐ"}),
                   say({"もっきゅもっきゅ"})}});

    c << lineSet("IntoformD23", Auto, "",
                 {{say({"ぼーっとするのって気持ちいいね", "なんにも考えてないよ〜"}),
                   say({"雲がわたあめみたいに見えるなぁ", "おなかすいてきちゃった"}),
                   say({"大人になったら、なにになろう", "レーサーか、獣医さんかなぁ"}),
                   say({"ふわぁ…ちょっとひと休み", "起こさないでね"})}});

    c << lineSet("IntoformD26", Auto, "",
                 {{say({"今、勉強中なの！", "じゃましないでよっ"}, -2),
                   say({"日本語の漢字ってむずかしいね", "画数が多すぎるよ〜"}),
                   say({"算数のドリル、あと一ページ！", "終わったら遊んでくれる？"}),
                   say({"キミが教えてくれたこと、", "ちゃんとノートにまとめてるよ"})}});

    c << lineSet("IntoformD27", Auto, "",
                 {{say({"この本、続きが気になるんだ", "ページをめくる手が止まらないよ"}),
                   say({"キミのおすすめの本も読みたいな", "今度教えてね！"}, 2),
                   say({"本を読んでると時間を忘れちゃう", "もうこんな時間？"}),
                   say({"今いいところなの！", "話しかけないでよ〜"}, -2)}});

    c << lineSet("IntoformD29", Auto, "",
                 {{say({"しーっ！今いいところなんだから", "静かにしててよ"}, -2),
                   say({"音楽っていいよね", "心がぽかぽかしてくるんだ"}),
                   say({"この曲、キミも知ってる？", "ぼくのお気に入りなんだ"}),
                   say({"ふんふふーん♪", "つい口ずさんじゃうね"})}});

    c << lineSet("IntoformD31", Auto, "",
                 {{say({"ぶくぶくぶく…", "あわあわで楽しいよ！"}),
                   say({"ちょっと！のぞかないでよ〜", "もうっ、はずかしいってば"}),
                   say({"お風呂で歌うと声がひびくんだ", "ラララ〜♪"}),
                   say({"のぼせてきちゃった…", "そろそろ出ようかな"})}});

    c << lineSet("IntoformD34", Auto, "",
                 {{say({"髪を乾かすの、時間かかるんだよ", "もうちょっと待っててね"}),
                   say({"ドライヤー、手伝ってくれるの？", "えへへ、ありがとう！"}, 2),
                   say({"ちゃんと乾かさないと", "朝、髪がぼさぼさになっちゃう"}),
                   say({"ドライヤーの風、あったかいね", "眠くなってきちゃった"})}});

    c << lineSet("IntoformD35", Auto, "",
                 {{say({"ふわぁ…もうこんな時間かぁ", "まぶたが重いよ〜"}),
                   say({"まだ眠くないもん…", "…むにゃ"}),
                   say({"夜ふかしすると、朝がつらいね", "でも、もうちょっとだけ"}),
                   say({"キミはまだ寝ないの？", "ぼく、もう限界かも…"})}});

    c << lineSet("IntoformD36", Auto, "",
                 {{say({"このお人形、お気に入りなんだ", "キミがくれたからだよ"}, 1),
                   say({"お人形とお話ししてるの", "なんて言ってるかは、ないしょ！"}),
                   say({"この子、ガルドに似てるよね", "むすっとした顔がそっくり"})}});

    c << lineSet("IntoformD37", Auto, "",
                 {{say({"お人形にお洋服を着せてるんだ", "どれが似合うかなぁ"}),
                   say({"見て、かわいくなったでしょ？", "キミに一番に見せたかったんだ"}, 1),
                   say({"リボンをつけてあげたら、", "ガルドが怒りそう…えへへ"})}});

    c << lineSet("IntoformD38", Auto, "",
                 {{say({"モーターを速いのにかえたんだ", "キミにも走るところ見せたいな"}, 1),
                   say({"ネジが一本たりない…", "どこいったんだろう？"}),
                   say({"キミがくれたマシン、最高だよ！", "大事に走らせるね"}, 1),
                   say({"タイヤを軽くすれば、", "もっと速くなるかな？"})}});

    c << lineSet("IntoformD40", Auto, "",
                 {{say({"お水をたっぷりあげようね", "大きくなあれ"}),
                   say({"お花に話しかけると、", "きれいに咲くんだって"}),
                   say({"どんな色のお花が咲くかなぁ", "楽しみだね"}),
                   say({"ちょうちょが来てくれたよ", "お花もうれしそう"})}});

    c << lineSet("IntoformD42", Auto, "",
                 {{say({"キミもやってみる？", "ぼくが教えてあげるよ！"}, 2),
                   say({"あと二個…うーん、むずかしい", "どこから跳べばいいんだろう"}),
                   say({"もうっ、考えてるんだから", "話しかけないで！"}, -2),
                   say({"あーあ、また失敗しちゃった…", "キミが話しかけるからだよ！"}, -2)}});

    c << lineSet("IntoformD43", Auto, "",
                 {{say({"ギーギー…あれ？", "変な音になっちゃった"}),
                   say({"毎日練習しないと", "うまくならないんだって"}),
                   say({"指が痛くなってきたよ〜", "でも、もうちょっとがんばる"}),
                   say({"キミのために一曲弾いてあげる！", "ちゃんと聴いててね"}, 2)}});

    c << lineSet("IntoformD44", Auto, "",
                 {{say({"キミとおそろいのパソコンだよ", "うれしいなぁ"}, 1),
                   say({"インターネットで調べものだよ", "世界って広いね"}),
                   say({"キーボード、打つの遅いんだよね", "一本指でぽちぽち…"}),
                   say({"ドイツの友達にメール中なの", "ガルドにも送ろうかな"})}});

    c << lineSet("IntoformD45", Auto, "",
                 {{say({"今、お花の絵を描いてるんだ", "できたら見せてあげるね"}),
                   say({"まだ見ちゃダメ！", "できあがるまで、ないしょ！"}, -2),
                   say({"キミの顔を描いてるんだよ", "じっとしててね"}, 2),
                   say({"絵の具が手についちゃった", "あとで洗わなきゃ"})}});

    c << lineSet("IntoformD46", Auto, "",
                 {{say({"今いいところなの！", "前に立たないでよ〜"}, -2),
                   say({"しーっ、聞こえないでしょ！", "お話はあとにして"}, -2),
                   say({"いっしょに見ようよ", "ほら、となりにおいで"}, 2),
                   say({"動物の番組って大好きなんだ", "ペンギンがかわいいよ"})}});

    c << lineSet("IntoformD47", Auto, "",
                 {{say({"ここ、ぼくのお気に入りなんだ", "風が気持ちいいでしょ"}),
                   say({"シロツメクサで花かんむりを", "作ってるんだよ"}),
                   say({"できたら、キミにあげるね！", "ちょっと待っててね"}, 2),
                   say({"お花を編むのってむずかしいね", "あ、ちぎれちゃった…"})}});

    c << lineSet("IntoformD48", Auto, "",
                 {{say({"ねこさん、ふわふわだよ", "なでるとゴロゴロいうんだよ"}),
                   say({"動物って大好き！", "ずっといっしょにいたいなぁ"}),
                   say({"キミもなでてみる？", "やさしくしてあげてね"}, 1),
                   say({"あっ、しっぽで顔をたたかれた", "くすぐったいよ〜"})}});

    c << lineSet("IntoformD491", Auto, "",
                 {{say({"今日はクッキーを焼くんだ", "粉を量って、っと"}),
                   say({"焼けたらキミにも分けてあげる！", "楽しみにしててね"}, 1),
                   say({"生地をこねるの、楽しいよ", "ねんどみたい！"}),
                   say({"型抜きはハートと星にしよっと", "あ、粉が鼻についちゃった"})}});

    c << lineSet("IntoformD495", Auto, "",
                 {{say({"焼けたよ〜！いいにおい！", "あちちっ、まだ熱いや"}),
                   say({"ちょっと焦げちゃった…", "こっちのはぼくが食べるね"}),
                   say({"はい、キミの分だよ！", "いっしょに食べよ！"}, 1),
                   say({"さくさくだよ！大成功！", "また作ろうね"})}});

    c << lineSet("IntoformD50", Auto, "",
                 {{say({"今占ってるの、", "集中できないでしょ！"}, -1),
                   say({"水晶玉がくもっちゃうよ", "話しかけないでってば"}, -1),
                   say({"うーん、見えてきたような…", "もうちょっと待っててね"}),
                   say({"・・・"})}});

    c << lineSet("IntoformD53", Auto, "",
                 {{say({"寝る前にちょっと本を読むんだ", "あと一章だけ…"}),
                   say({"こわいお話を読んじゃった…", "電気、消さないでね"}),
                   say({"キミも寝る前に本を読む？", "おすすめがあったら教えてね"}, 2),
                   say({"ふわぁ…字がぼやけてきた", "そろそろ寝ようかな"})}});

    c << lineSet("IntoformD54", Auto, "",
                 {{say({"むにゃ…なぁに？", "まだ夜だよぉ…"}),
                   say({"もうっ、起こさないでよ！"}),
                   say({"せっかくいい夢みてたのに〜", "ケーキを食べる夢だったんだよ"}),
                   say({"うう…眠いよぉ", "明日遊んであげるから、おやすみ"})}});

    c << lineSet("IntoformD55", Auto, "お風呂に入ってくるね！",
                 {{say({"のぞいちゃダメだよ！"}),
                   say({"今日はあわあわのお風呂なんだ"}),
                   say({"あがったら、いっしょに遊ぼうね"}),
                   say({"アヒルさんも連れていこうっと"})}});

    // Visitors.
    c << lineSet("IntoformD631", Auto, kTwoFriendsVisit,
                 {{talk({"ピモ「わーい、いらっしゃい！」",
                         "ロウェル「よっ、元気そうだな」",
                         "フェン「お菓子持ってきたよ！」"}),
                   talk({"ロウェル「レースの作戦会議だ」",
                         "ピモ「ぼく、先頭を走りたい！」",
                         "フェン「ピモはいつもそれだね」"}),
                   talk({"フェン「ピモ、また髪のびた？」",
                         "ピモ「えへへ、のばしてるんだ」"}),
                   talk({"ロウェル「マシンの調子は？」",
                         "ピモ「ばっちりだよ！」",
                         "フェン「あとで走らせようよ」"}),
                   talk({"ピモ「ガルドは来ないの？」",
                         "ロウェル「あいつなら昼寝中さ」",
                         "フェン「らしいよねー」"})}});

    c << lineSet("IntoformD632", Auto, "",
                 {{talk({"ピモ「ぼくの友達、紹介するね」",
                         "ロウェル「オレはロウェルだ」",
                         "フェン「フェンだよ、よろしく」"}),
                   talk({"ピモ「チームのみんなだよ」",
                         "フェン「ピモをよろしくね」",
                         "ロウェル「手がかかるだろ？」",
                         "ピモ「もうっ、失礼だなぁ！」"}),
                   talk({"ロウェル「次はチーム優勝だ！」",
                         "フェン「ピモ、寝坊しないでね」",
                         "ピモ「し、しないもん！」"})}});

    c << lineSet("IntoformD643", Auto, "",
                 {{say({"いっけー！ぼくのマシン！"}),
                   say({"あと少しで追いつくよ！"}),
                   say({"次のコーナーでぬかすぞっ！"})}});

    c << lineSet("IntoformD651", Auto, kGarudoVisit,
                 {{talk({"ガルド「ヒマだから来てやった」"}),
                   talk({"ガルド「おいチビ、茶を出せよ」"}),
                   talk({"ガルド「べつに用はないぞ」",
                         "ガルド「近くを通っただけだ」"}),
                   talk({"ガルド「ほら、イタリア土産だ」"}),
                   talk({"ガルド「ちゃんと食ってるか？」",
                         "ガルド「…ならいい」"})}});

    c << lineSet("IntoformD652", Auto, "",
                 {{talk({"ガルド「重いぞ。まったく…」"}),
                   talk({"ガルド「少しだけだからな」"}),
                   talk({"ガルド「寝顔はおとなしいな」"})}});

    c << lineSet("IntoformD653", Auto, "",
                 {{talk({"ピモ「見て！ガルドそっくり！」",
                         "ガルド「…どこが似てるんだ」",
                         "ピモ「むすっとした顔！」"}),
                   talk({"ピモ「このお人形、宝物なんだ」",
                         "ガルド「ふん、勝手にしろ」",
                         "ピモ「あ、照れてる〜」"}),
                   talk({"ガルド「なんでオレの人形が…」",
                         "ピモ「プレゼントにもらったの」",
                         "ガルド「…大事にしろよ」"})}});

    c << lineSet("IntoformD654", Auto, "",
                 {{talk({"ピモ「お散歩って楽しいね！」",
                         "ガルド「はぐれるなよ、チビ」"}),
                   talk({"ピモ「ガルド、歩くの速いよ〜」",
                         "ガルド「…しょうがないな」",
                         "ピモ「えへへ、ありがと」"}),
                   talk({"ガルド「ほら、おぶってやる」",
                         "ピモ「ほんと！？やったぁ」",
                         "ガルド「…今日だけだぞ」"})}});

    // Festivals.
    c << lineSet("IntoformE1", Auto, "あけましておめでとう！",
                 {{say({"今年もよろしくね！"}),
                   say({"着物、似合ってるでしょ？"}),
                   say({"お年玉、くれるよね？えへへ"}),
                   say({"お雑煮のおもち、よくのびる〜"})}});
    c << lineSet("IntoformE2", Auto, "鬼は外！福は内！",
                 {{say({"お豆は年の数だけ食べるんだよね"}),
                   say({"鬼さん、こっち来ないでー！"}),
                   say({"福がいっぱい来ますように"}),
                   say({"ドイツには豆まきはないんだ"})}});
    c << lineSet("IntoformE3", Auto, "今日はひなまつりだよ",
                 {{say({"おひなさま、きれいだね"}),
                   say({"ひなあられ、いっしょに食べよ"}),
                   say({"ぼく、おだいりさまみたい？"}),
                   say({"甘酒って、ほんのり甘いんだね"})}});
    c << lineSet("IntoformE4", Auto, "今日はこどもの日！",
                 {{say({"こいのぼりが気持ちよさそう"}),
                   say({"ぼくをお祝いしてくれるの？"}, 2),
                   say({"かしわもち、おいしいね！"}),
                   say({"夜はしょうぶ湯に入るんだって"})}});
    c << lineSet("IntoformE5", Auto, "今夜はお月見だよ",
                 {{say({"まんまるで、きれいなお月さま"}),
                   say({"お月見だんご、ひとつちょうだい"}),
                   say({"月でうさぎがおもちつきだって"}),
                   say({"すすきが風にゆれてるね"})}});
    c << lineSet("IntoformE6", Auto, "Frohe Weihnachten!",
                 {{say({"サンタさん、来てくれるかなぁ"}),
                   say({"ツリーの飾りつけ、手伝って！"}),
                   say({"キミといっしょのクリスマスだね"}, 2),
                   say({"ドイツのクリスマス市は最高！"})}});
    return c;
}

} // namespace

const QList<LineSet> &catalogue()
{
    static const QList<LineSet> sets = buildCatalogue();
    return sets;
}

const LineSet *findLineSet(const QString &name)
{
    for (const LineSet &s : catalogue())
        if (s.name == name)
            return &s;
    return nullptr;
}

QString lineSetName(Lines lines)
{
    const int n = int(lines);
    static const char *const names[] = {
        nullptr,      "Intoform",   "Intoform0",  "Intoform2",   "Intoform3a", "Intoform3b",
        "Intoform4",  "Intoform5",  "Intoform6",  "Intoform7",   "IntoformB1", "IntoformB2",
        "IntoformB3", "IntoformB4", "IntoformB5", "IntoformB6",  "Intoform8",  "Intoform9",
        "Intoform10", "IntoformB7", "IntoformB8", "IntoformB9",  "IntoformB10",
    };
    if (n <= 0 || n >= int(std::size(names)))
        return {};
    return QString::fromLatin1(names[n]);
}

QString clickLineSetName(int n)
{
    // The festivals are numbered from 1001; every other number names its D set directly, so
    // the catalogue itself says which numbers have one.
    const QString name = (n >= 1001 && n <= 1006)
        ? QStringLiteral("IntoformE%1").arg(n - 1000)
        : QStringLiteral("IntoformD%1").arg(n);
    return findLineSet(name) ? name : QString();
}
