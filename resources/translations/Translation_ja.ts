<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>DIR</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Compression preset: small, medium or large (default: medium).</source>
        <translation>プリセット: small、medium、large のいずれか (既定: medium)。</translation>
    </message>
    <message>
        <source>PRESET</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Custom level from 1 (smallest file) to 10 (best images), instead of a preset.</source>
        <translation>プリセットの代わりに使うカスタムレベル。1 (最小のファイル) から 10 (最高の画質) まで。</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Compressions at once (default: the number of cores).</source>
        <translation>同時に行う圧縮の数 (既定: コア数)。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>File of open passwords, one per line, tried in turn on locked documents.</source>
        <translation>開くためのパスワードを 1 行に 1 つずつ書いたファイル。ロックされた文書に順に試します。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>One JSON object per document on standard output, then a summary object.</source>
        <translation>文書ごとに 1 つの JSON オブジェクトを標準出力に書き、最後に集計オブジェクトを書きます。</translation>
    </message>
    <message>
        <source>Print only the documents that failed.</source>
        <translation>失敗した文書だけを表示します。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>バージョンを表示します。</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <translation>ファイル|フォルダー</translation>
    </message>
    <message>
        <source>No documents given: name PDF files or folders after the options.</source>
        <translation>文書が指定されていません。オプションの後に PDF ファイルかフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>Give either a preset or a level, not both.</source>
        <translation>プリセットとレベルはどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 to 10, not &quot;%1&quot;.</source>
        <translation>レベルは 1 から 10 までの整数で指定してください (「%1」は使えません)。</translation>
    </message>
    <message>
        <source>Unknown preset &quot;%1&quot;: use small, medium or large.</source>
        <translation>不明なプリセット「%1」です。small、medium、large のいずれかを使ってください。</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>ジョブ数は 1 以上の整数で指定してください (「%1」は使えません)。</translation>
    </message>
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source. Results go to standard output, failures and warnings to standard error.</source>
        <translation>PDF ファイルを小さくします。各文書は Ghostscript で書き直され、qpdf で検査され、出力フォルダー内のどれとも重ならない名前で届けられます。元より大きくなることはありません。結果は標準出力に、失敗と警告は標準エラー出力に出ます。</translation>
    </message>
    <message>
        <source>Output folder, created when missing; &quot;-&quot; writes the one result to standard output. Required unless --in-place is given.</source>
        <translation>出力フォルダー (なければ作成)。「-」はただ一つの結果を標準出力に書きます。--in-place を指定しない限り必須です。</translation>
    </message>
    <message>
        <source>Replace each document by its compressed copy, only when that copy is smaller and sound; mode, owner and modification time are kept.</source>
        <translation>各文書を圧縮したコピーで置き換えます (コピーが小さく健全な場合のみ)。権限、所有者、更新日時は保たれます。</translation>
    </message>
    <message>
        <source>Skip a document whose name exists in the output folder already.</source>
        <translation>出力フォルダーに同じ名前がすでにある文書は飛ばします。</translation>
    </message>
    <message>
        <source>Replace a same-named file in the output folder, in one step (never a source document).</source>
        <translation>出力フォルダー内の同名ファイルを一度に置き換えます (元の文書は決して置き換えません)。</translation>
    </message>
    <message>
        <source>Take the PDFs in folders and their subfolders; the output folder gets the same subfolders.</source>
        <translation>フォルダーとそのサブフォルダーの PDF を対象にします。出力フォルダーにも同じサブフォルダーが作られます。</translation>
    </message>
    <message>
        <source>Read more FILE|FOLDER names from FILE, one a line (&quot;-&quot;: standard input).</source>
        <translation>ファイル|フォルダー の名前をさらに ファイル から 1 行に 1 つずつ読みます (「-」は標準入力)。</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL bytes, as find -print0 writes them.</source>
        <translation>--files-from の名前は find -print0 が書くように NUL バイトで区切られています。</translation>
    </message>
    <message>
        <source>Also print each document&apos;s steps: inspection, unlocking, the copies weighed and the one chosen.</source>
        <translation>各文書の手順も表示します: 検査、ロック解除、比較したコピーと選んだコピー。</translation>
    </message>
    <message>
        <source>PDF documents, or folders that hold them; &quot;-&quot; reads one PDF from standard input.</source>
        <translation>PDF 文書、またはそれを含むフォルダー。「-」は標準入力から PDF を 1 つ読みます。</translation>
    </message>
    <message>
        <source>--in-place replaces the documents themselves: give no output folder with it.</source>
        <translation>--in-place は文書そのものを置き換えます。出力フォルダーは指定しないでください。</translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR, or replace the documents with --in-place.</source>
        <translation>出力フォルダーが指定されていません。-o フォルダー で指定するか、--in-place で文書を置き換えてください。</translation>
    </message>
    <message>
        <source>Give either --skip-existing or --overwrite, not both.</source>
        <translation>--skip-existing と --overwrite はどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>--in-place goes with neither --skip-existing nor --overwrite.</source>
        <translation>--in-place は --skip-existing とも --overwrite とも併用できません。</translation>
    </message>
    <message>
        <source>Give either --quiet or --verbose, not both.</source>
        <translation>--quiet と --verbose はどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>-0 tells how the names of --files-from are separated: give --files-from FILE with it.</source>
        <translation>-0 は --files-from の名前の区切り方を指定します。--files-from ファイル と一緒に指定してください。</translation>
    </message>
    <message>
        <source>Standard input can be read only once: give &quot;-&quot; as one input or as the --files-from list.</source>
        <translation>標準入力は一度しか読めません。「-」は入力の 1 つとして、または --files-from の一覧として 1 回だけ指定してください。</translation>
    </message>
    <message>
        <source>A document from standard input cannot be replaced in place: give an output with -o.</source>
        <translation>標準入力から読んだ文書はその場で置き換えられません。-o で出力先を指定してください。</translation>
    </message>
    <message>
        <source>-o - writes the document itself to standard output: --json, --skip-existing and --overwrite do not go with it.</source>
        <translation>-o - は文書そのものを標準出力に書きます。--json、--skip-existing、--overwrite とは併用できません。</translation>
    </message>
    <message>
        <source>Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of 1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets its smallest copy and counts as failed. Not with -p or -l.</source>
        <translation>SIZE 以下で最も画質の良いコピーを出力します。SIZE はバイト数、または du -h や ls -h の表示と同じく 1024 単位の K、M、G を付けた数です (500K、1.5M)。そこまで小さくできない文書には最小のコピーを出力し、失敗として数えます。-p や -l とは併用できません。</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--target-size chooses the level itself: give it without -p or -l.</source>
        <translation>--target-size はレベルを自動で選びます。-p や -l と一緒に指定しないでください。</translation>
    </message>
    <message>
        <source>The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), not &quot;%1&quot;.</source>
        <translation>目標サイズは正のバイト数、または K、M、G を付けた数 (500K、1.5M) で指定してください。「%1」は使えません。</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <translation>パスワードファイル %1 を読めません: %2</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1.</source>
        <translation>出力フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Try &quot;kompresto --help&quot; for more information.</source>
        <translation>詳しくは「kompresto --help」を実行してください。</translation>
    </message>
    <message>
        <source>-o - writes a PDF to standard output, which is a terminal: redirect it to a file or a pipe.</source>
        <translation>-o - は PDF を標準出力に書きますが、標準出力が端末です。ファイルかパイプにリダイレクトしてください。</translation>
    </message>
    <message>
        <source>&quot;-&quot; reads a PDF from standard input, which is a terminal: redirect it from a file or a pipe.</source>
        <translation>「-」は PDF を標準入力から読みますが、標準入力が端末です。ファイルかパイプからリダイレクトしてください。</translation>
    </message>
    <message>
        <source>Cannot read the list of names %1: %2</source>
        <translation>名前の一覧 %1 を読めません: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>No PDF documents found in %1.</source>
        <translation>%1 に PDF 文書が見つかりません。</translation>
    </message>
    <message>
        <source>%1 is the output folder, whose documents are never taken; --in-place replaces the documents themselves.</source>
        <translation>%1 は出力フォルダーなので、その中の文書は対象にしません。文書そのものを置き換えるには --in-place を使います。</translation>
    </message>
    <message numerus="yes">
        <source>-o - writes one document to standard output, but %n documents were given.</source>
        <translation>
            <numerusform>-o - は標準出力に文書を 1 つだけ書きますが、%n 件の文書が指定されました。</numerusform>
        </translation>
    </message>
    <message>
        <source>No documents found.</source>
        <translation>文書が見つかりません。</translation>
    </message>
    <message>
        <source>Other users can read the password file %1; make it private with: chmod 600 %1</source>
        <translation>パスワードファイル %1 は他のユーザーも読めます。chmod 600 %1 で非公開にしてください</translation>
    </message>
    <message>
        <source>longer than %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <source>Cannot create a private folder in %1.</source>
        <translation>%1 に非公開のフォルダーを作成できません。</translation>
    </message>
    <message>
        <source>Cannot read the result %1: %2</source>
        <translation>結果 %1 を読めません: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
</context>
<context>
    <name>CompressSettingWidget</name>
    <message>
        <source>Compress Setting</source>
        <translation>圧縮設定</translation>
    </message>
    <message>
        <source>Small File Size</source>
        <translation>小さいファイルサイズ</translation>
    </message>
    <message>
        <source>High compression, low quality.</source>
        <translation>高圧縮・低画質</translation>
    </message>
    <message>
        <source>Medium File Size</source>
        <translation>標準のファイルサイズ</translation>
    </message>
    <message>
        <source>Medium compression, medium quality.</source>
        <translation>標準の圧縮・標準の画質</translation>
    </message>
    <message>
        <source>Large File Size</source>
        <translation>大きいファイルサイズ</translation>
    </message>
    <message>
        <source>Low compression, high quality.</source>
        <translation>低圧縮・高画質</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>小さい</translation>
    </message>
    <message>
        <source>Large Size</source>
        <translation>大きい</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>すべてに適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>圧縮レベル</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>レベル %1</translation>
    </message>
    <message>
        <source>Fit under</source>
        <translation>サイズ上限</translation>
    </message>
    <message>
        <source>Size to fit under</source>
        <translation>上限サイズ</translation>
    </message>
</context>
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>フィードバックとサポート</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>ログフォルダーを表示</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Compression stopped</source>
        <translation>圧縮を停止しました</translation>
    </message>
    <message>
        <source>Compression finished</source>
        <translation>圧縮が完了しました</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
</context>
<context>
    <name>DocumentJob</name>
    <message>
        <source>Ghostscript&apos;s rewrite</source>
        <translation>Ghostscript による書き直し</translation>
    </message>
    <message>
        <source>Ghostscript&apos;s rewrite, repacked by qpdf</source>
        <translation>Ghostscript による書き直しを qpdf で再パック</translation>
    </message>
    <message>
        <source>the source, repacked by qpdf</source>
        <translation>元の文書を qpdf で再パック</translation>
    </message>
    <message>
        <source>the source as it was</source>
        <translation>元の文書そのまま</translation>
    </message>
    <message>
        <source>inspected by qpdf, pages: %1</source>
        <translation>qpdf で検査、ページ数: %1</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>暗号化済み</translation>
    </message>
    <message>
        <source>unlocked with password %1 of the password file</source>
        <translation>パスワードファイルの %1 番目のパスワードでロックを解除</translation>
    </message>
    <message>
        <source>the rewrite would lose links or bookmarks: not taken</source>
        <translation>書き直しではリンクかしおりが失われるため、採用しません</translation>
    </message>
    <message>
        <source>weighed: %1, %2</source>
        <translation>比較: %1、%2</translation>
    </message>
    <message>
        <source>chosen: %1, %2</source>
        <translation>選択: %1、%2</translation>
    </message>
    <message>
        <source>tried level %1: %2</source>
        <translation>レベル %1 を試行: %2</translation>
    </message>
</context>
<context>
    <name>EnterPassword</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Print password</source>
        <translation>印刷パスワード</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>パスワードが正しくありません</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open password</source>
        <translation>文書を開くパスワード</translation>
    </message>
    <message>
        <source>The document is damaged</source>
        <translation>文書が破損しています</translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
    <message>
        <source>Unlock the document with its password</source>
        <translation>パスワードを入力して文書のロックを解除</translation>
    </message>
    <message>
        <source>Compression settings</source>
        <translation>圧縮設定</translation>
    </message>
    <message>
        <source>Show the compressed file in its folder</source>
        <translation>圧縮したファイルをフォルダーで表示</translation>
    </message>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <translation>
            <numerusform>%n ページ</numerusform>
        </translation>
    </message>
    <message>
        <source>Handed back unchanged: it could not be made smaller.</source>
        <translation>変更せずに返しました：これ以上小さくできませんでした。</translation>
    </message>
    <message>
        <source>Handed back unchanged, to keep its links and bookmarks.</source>
        <translation>リンクとしおりを保つため、変更せずに返しました。</translation>
    </message>
    <message>
        <source>%1 · unchanged</source>
        <translation>%1 · 変更なし</translation>
    </message>
    <message>
        <source>%1 · %2 % smaller</source>
        <translation>%1 · %2 % 削減</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%2 ページ中 %1 ページ</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>確認中…</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>ロック中</translation>
    </message>
    <message>
        <source>Choosing the smallest copy…</source>
        <translation>最小のコピーを選択中…</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>レベル %1</translation>
    </message>
    <message>
        <source>Try %1: %2</source>
        <translation>試行 %1: %2</translation>
    </message>
    <message>
        <source>Fit under %1</source>
        <translation>%1 以下</translation>
    </message>
    <message>
        <source>Smallest possible: %1, over %2</source>
        <translation>最小: %1、%2 を超過</translation>
    </message>
</context>
<context>
    <name>FolderProblemNotice</name>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>フォルダー %1 を作成できませんでした: %2。</translation>
    </message>
    <message>
        <source>Documents cannot be compressed until it can. Check the permissions and the free space of your home folder, then start the application again.</source>
        <translation>作成できるまで文書は圧縮できません。ホームフォルダーの権限と空き容量を確認してから、アプリケーションを起動し直してください。</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>ネットワークエラーです。接続を確認してください。</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>プログラムがクラッシュしました。</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>クラッシュレポートを開発者に送信してください。(%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>は現在利用可能な最新バージョンです。</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>リクエストが多すぎます。しばらくしてから再度お試しください。</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>新しいバージョン %1 が利用可能です。製品ページを開きますか？</translation>
    </message>
</context>
<context>
    <name>HumanReport</name>
    <message>
        <source>Stopping: running compressions are stopped, nothing more is delivered.</source>
        <translation>停止中: 実行中の圧縮を止めます。これ以上は出力しません。</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: 失敗: %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5% saved</source>
        <translation>%1: %2 %3 %4、%5% 削減</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(%1 として)</translation>
    </message>
    <message>
        <source>%1 %2 %3 (%4% saved) in %5</source>
        <translation>%1 %2 %3 (%4% 削減)、所要時間 %5</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: 停止しました</translation>
    </message>
    <message>
        <source>%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks</source>
        <translation>%1: %2、そのまま出力しました: 書き直しても小さくならないか、リンクやしおりが失われるためです</translation>
    </message>
    <message numerus="yes">
        <source>Documents: %1 of %n, %2 %3 %4, %5</source>
        <translation>
            <numerusform>文書: %n 件中 %1 件、%2 %3 %4、%5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delivered: %1 of %n</source>
        <translation>
            <numerusform>出力: %n 件中 %1 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>failed: %n</source>
        <translation>
            <numerusform>失敗: %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n</source>
        <translation>
            <numerusform>停止: %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: skipped, %2 exists</source>
        <translation>%1: スキップ: %2 が存在します</translation>
    </message>
    <message>
        <source>%1: %2, left as it was: no smaller sound copy</source>
        <translation>%1: %2、そのままにしました: より小さい健全なコピーはありません</translation>
    </message>
    <message>
        <source>(replaced)</source>
        <translation>(置き換え済み)</translation>
    </message>
    <message numerus="yes">
        <source>skipped: %n</source>
        <translation>
            <numerusform>スキップ: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: smallest possible: %2, over %3; delivered as %4</source>
        <translation>%1: 失敗: 最小 %2、%3 を超過。%4 として出力しました</translation>
    </message>
    <message>
        <source>(fits under %1 as it is)</source>
        <translation>(そのままで %1 以下)</translation>
    </message>
    <message>
        <source>(fits under %1 at level %2)</source>
        <translation>(レベル %2 で %1 以下)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>To get started, please drag and drop files here or add them by clicking + button.</source>
        <translation>ここにファイルをドラッグ＆ドロップするか、+ ボタンで追加してください。</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>確認中…</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>リストを空にする</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the list? Files already compressed stay in the output folder.</source>
        <translation>
            <numerusform>リストから %n 件の文書をすべて削除しますか？圧縮済みのファイルは出力フォルダーに残ります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress Again</source>
        <translation>再度圧縮</translation>
    </message>
    <message>
        <source>Every document in the list is already compressed. Compress them again into &quot;%1&quot;?</source>
        <translation>リストの文書はすべて圧縮済みです。「%1」にもう一度圧縮しますか？</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Documents are still being compressed. Stop the run and quit?</source>
        <translation>まだ文書を圧縮中です。処理を停止して終了しますか？</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>停止して終了</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文書</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>出力フォルダーを開く</translation>
    </message>
    <message>
        <source>Unlock…</source>
        <translation>ロック解除…</translation>
    </message>
    <message>
        <source>Compression Settings…</source>
        <translation>圧縮設定…</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Open Document</source>
        <translation>文書を開く</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than %1 KB</source>
        <translation>%1 KB を超えています</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>詳細情報</translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation>Copyright %1 %2 Vantorel Studio. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>RefusedFilesNotice</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message numerus="yes">
        <source>not a PDF: %n</source>
        <translation>
            <numerusform>PDF 以外: %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>damaged or unreadable: %n</source>
        <translation>
            <numerusform>破損・読み取り不可: %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>already in the list: %n</source>
        <translation>
            <numerusform>追加済み: %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files not added: %n (%1)</source>
        <translation>
            <numerusform>追加しなかったファイル: %n 件（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>separates the reasons in the list of refused files</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>…ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Not Added</source>
        <translation>追加されなかったファイル</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>PDF ではありません</translation>
    </message>
    <message>
        <source>damaged or unreadable</source>
        <translation>破損しているか読み取れません</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>すでにリストにあります</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>詳細…</translation>
    </message>
    <message>
        <source>its name is not valid text and cannot be opened</source>
        <translation>名前が有効な文字列ではないため開けません</translation>
    </message>
    <message numerus="yes">
        <source>unreadable name: %n</source>
        <translation>
            <numerusform>読めない名前: %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultTable</name>
    <message>
        <source>Ghostscript failed with error %1</source>
        <translation>Ghostscript がエラー %1 で失敗しました</translation>
    </message>
    <message>
        <source>The PDF interpreter reported error %1.</source>
        <translation>PDF インタープリターがエラー %1 を報告しました。</translation>
    </message>
    <message>
        <source>it could not be copied into the Temp folder</source>
        <translation>Temp フォルダーにコピーできませんでした</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>文書を読み込めませんでした。</translation>
    </message>
    <message>
        <source>the result could not be moved into the output folder</source>
        <translation>結果を出力フォルダーに移動できませんでした</translation>
    </message>
    <message>
        <source>The compressed file could not be moved into the output folder.</source>
        <translation>圧縮したファイルを出力フォルダーに移動できませんでした。</translation>
    </message>
    <message>
        <source>the document or its rewrite is incomplete or unreadable</source>
        <translation>文書またはその書き直しが不完全か読み取れません</translation>
    </message>
    <message>
        <source>The document is damaged or incomplete, or its rewrite came out incomplete.</source>
        <translation>文書が破損しているか不完全です。または書き直した結果が不完全です。</translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation>パスワードが拒否されました</translation>
    </message>
    <message>
        <source>The document&apos;s password is missing or wrong.</source>
        <translation>文書のパスワードがないか、間違っています。</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>出力フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>The output folder cannot be created or written to.</source>
        <translation>出力フォルダーを作成できないか、書き込めません。</translation>
    </message>
    <message>
        <source>Ghostscript crashed on it</source>
        <translation>Ghostscript がこの文書でクラッシュしました</translation>
    </message>
    <message>
        <source>The PDF interpreter crashed on this document.</source>
        <translation>この文書で PDF インタープリターがクラッシュしました。</translation>
    </message>
    <message>
        <source>Ghostscript took too long and was ended</source>
        <translation>Ghostscript の処理時間が長すぎたため終了させました</translation>
    </message>
    <message>
        <source>The compression took too long and was ended.</source>
        <translation>圧縮に時間がかかりすぎたため、終了しました。</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>停止しました</translation>
    </message>
    <message>
        <source>The compression was stopped.</source>
        <translation>圧縮は停止されました。</translation>
    </message>
    <message>
        <source>the compression worker could not be started; the installation may be damaged</source>
        <translation>圧縮プロセスを起動できませんでした。インストールが破損している可能性があります</translation>
    </message>
    <message>
        <source>The compression worker could not be started; the installation may be damaged.</source>
        <translation>圧縮プロセスを起動できませんでした。インストールが破損している可能性があります。</translation>
    </message>
    <message>
        <source>the disk of the Temp folder %1 is full</source>
        <translation>Temp フォルダー %1 のディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The disk that holds the Temp folder %1 is full.</source>
        <translation>Temp フォルダー %1 があるディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>そのようなファイルやフォルダーはありません</translation>
    </message>
    <message>
        <source>The document is no longer where it was.</source>
        <translation>文書が元の場所にありません。</translation>
    </message>
    <message>
        <source>not a PDF file (its name does not end in .pdf)</source>
        <translation>PDF ファイルではありません (名前が .pdf で終わっていません)</translation>
    </message>
    <message>
        <source>The file&apos;s name does not end in .pdf.</source>
        <translation>ファイル名が .pdf で終わっていません。</translation>
    </message>
    <message>
        <source>not a PDF file</source>
        <translation>PDF ファイルではありません</translation>
    </message>
    <message>
        <source>The file is not a PDF document.</source>
        <translation>このファイルは PDF 文書ではありません。</translation>
    </message>
    <message>
        <source>damaged, qpdf cannot open it</source>
        <translation>破損しているため qpdf で開けません</translation>
    </message>
    <message>
        <source>The document is damaged and cannot be opened.</source>
        <translation>文書が破損しているため開けません。</translation>
    </message>
    <message>
        <source>locked with an open password (give passwords with --password-file)</source>
        <translation>開くためのパスワードでロックされています (--password-file でパスワードを指定してください)</translation>
    </message>
    <message>
        <source>The document is locked with an open password.</source>
        <translation>文書は開くためのパスワードでロックされています。</translation>
    </message>
    <message>
        <source>locked, and no password of the password file opens it</source>
        <translation>ロックされており、パスワードファイルのどのパスワードでも開けません</translation>
    </message>
    <message>
        <source>None of the passwords given opens the document.</source>
        <translation>指定したパスワードのどれでも文書を開けません。</translation>
    </message>
    <message>
        <source>name too long for a numbered variant in the output folder</source>
        <translation>名前が長すぎるため、出力フォルダーに番号付きの名前を付けられません</translation>
    </message>
    <message>
        <source>The file name is too long for a numbered variant in the output folder.</source>
        <translation>ファイル名が長すぎるため、出力フォルダーに番号付きの名前を付けられません。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>You may not read this file.</source>
        <translation>このファイルを読む権限がありません。</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読めません</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読めません。</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it</source>
        <translation>名前が有効な UTF-8 テキストではないため開けません。圧縮するには名前を変えてください</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, so it cannot be opened. Rename it to compress it.</source>
        <translation>ファイル名が有効な UTF-8 テキストではないため開けません。圧縮するには名前を変えてください。</translation>
    </message>
    <message>
        <source>standard input holds more than 2 GB</source>
        <translation>標準入力が 2 GB を超えています</translation>
    </message>
    <message>
        <source>The document is larger than 2 GB.</source>
        <translation>文書が 2 GB を超えています。</translation>
    </message>
    <message>
        <source>its output would replace a document of this run</source>
        <translation>出力がこの実行の文書を置き換えてしまいます</translation>
    </message>
    <message>
        <source>Its output would replace another document of this run.</source>
        <translation>出力がこの実行の別の文書を置き換えてしまいます。</translation>
    </message>
    <message>
        <source>even its smallest copy is larger than the size asked for</source>
        <translation>最小のコピーでも指定サイズを超えています</translation>
    </message>
    <message>
        <source>Even the smallest copy is larger than the size asked for.</source>
        <translation>最小のコピーでも指定サイズを超えています。</translation>
    </message>
</context>
<context>
    <name>RunTally</name>
    <message>
        <source>Stopping…</source>
        <translation>停止しています…</translation>
    </message>
    <message>
        <source>Compressing %1 of %2</source>
        <translation>%2 件中 %1 件目を圧縮中</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 件のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 件失敗</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n 件ロック中、未圧縮</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止しました</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1 % smaller</source>
        <translation>%1 % 削減</translation>
    </message>
</context>
<context>
    <name>TargetSizeSpinBox</name>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
</context>
</TS>
