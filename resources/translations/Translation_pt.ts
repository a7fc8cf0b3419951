<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>DIR</source>
        <translation>PASTA</translation>
    </message>
    <message>
        <source>Compression preset: small, medium or large (default: medium).</source>
        <translation>Predefinição: small, medium ou large (padrão: medium).</translation>
    </message>
    <message>
        <source>PRESET</source>
        <translation>PREDEFINIÇÃO</translation>
    </message>
    <message>
        <source>Custom level from 1 (smallest file) to 10 (best images), instead of a preset.</source>
        <translation>Nível personalizado de 1 (ficheiro menor) a 10 (melhores imagens), em vez de uma predefinição.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NÍVEL</translation>
    </message>
    <message>
        <source>Compressions at once (default: the number of cores).</source>
        <translation>Compressões simultâneas (padrão: o número de núcleos).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>File of open passwords, one per line, tried in turn on locked documents.</source>
        <translation>Ficheiro de palavras-passe de abertura, uma por linha, tentadas por ordem nos documentos bloqueados.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHEIRO</translation>
    </message>
    <message>
        <source>One JSON object per document on standard output, then a summary object.</source>
        <translation>Um objeto JSON por documento na saída padrão e, no fim, um objeto de resumo.</translation>
    </message>
    <message>
        <source>Print only the documents that failed.</source>
        <translation>Mostrar apenas os documentos que falharam.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ajuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar a versão.</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <translation>FICHEIRO|PASTA</translation>
    </message>
    <message>
        <source>No documents given: name PDF files or folders after the options.</source>
        <translation>Nenhum documento indicado: indique ficheiros PDF ou pastas depois das opções.</translation>
    </message>
    <message>
        <source>Give either a preset or a level, not both.</source>
        <translation>Indique uma predefinição ou um nível, não ambos.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 to 10, not &quot;%1&quot;.</source>
        <translation>O nível deve ser um número inteiro de 1 a 10, não «%1».</translation>
    </message>
    <message>
        <source>Unknown preset &quot;%1&quot;: use small, medium or large.</source>
        <translation>Predefinição desconhecida «%1»: use small, medium ou large.</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>O número de tarefas deve ser um número inteiro igual ou superior a 1, não «%1».</translation>
    </message>
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source. Results go to standard output, failures and warnings to standard error.</source>
        <translation>Torna os ficheiros PDF mais pequenos. Cada documento é reescrito pelo Ghostscript, verificado com o qpdf e entregue na pasta de saída com um nome que não colide com nada do que lá existe, nunca maior do que a origem. Os resultados vão para a saída padrão; as falhas e os avisos, para a saída de erro.</translation>
    </message>
    <message>
        <source>Output folder, created when missing; &quot;-&quot; writes the one result to standard output. Required unless --in-place is given.</source>
        <translation>Pasta de saída, criada se não existir; «-» escreve o único resultado na saída padrão. Obrigatória, exceto com --in-place.</translation>
    </message>
    <message>
        <source>Replace each document by its compressed copy, only when that copy is smaller and sound; mode, owner and modification time are kept.</source>
        <translation>Substituir cada documento pela sua cópia comprimida, só quando esta for mais pequena e íntegra; permissões, dono e data de modificação mantêm-se.</translation>
    </message>
    <message>
        <source>Skip a document whose name exists in the output folder already.</source>
        <translation>Saltar um documento cujo nome já existe na pasta de saída.</translation>
    </message>
    <message>
        <source>Replace a same-named file in the output folder, in one step (never a source document).</source>
        <translation>Substituir num só passo um ficheiro com o mesmo nome na pasta de saída (nunca um documento de origem).</translation>
    </message>
    <message>
        <source>Take the PDFs in folders and their subfolders; the output folder gets the same subfolders.</source>
        <translation>Incluir os PDF das pastas e das suas subpastas; a pasta de saída recebe as mesmas subpastas.</translation>
    </message>
    <message>
        <source>Read more FILE|FOLDER names from FILE, one a line (&quot;-&quot;: standard input).</source>
        <translation>Ler mais nomes FICHEIRO|PASTA de FICHEIRO, um por linha («-»: entrada padrão).</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL bytes, as find -print0 writes them.</source>
        <translation>Os nomes de --files-from estão separados por bytes NUL, como o find -print0 os escreve.</translation>
    </message>
    <message>
        <source>Also print each document&apos;s steps: inspection, unlocking, the copies weighed and the one chosen.</source>
        <translation>Mostrar também os passos de cada documento: inspeção, desbloqueio, as cópias comparadas e a escolhida.</translation>
    </message>
    <message>
        <source>PDF documents, or folders that hold them; &quot;-&quot; reads one PDF from standard input.</source>
        <translation>Documentos PDF, ou pastas que os contêm; «-» lê um PDF da entrada padrão.</translation>
    </message>
    <message>
        <source>--in-place replaces the documents themselves: give no output folder with it.</source>
        <translation>--in-place substitui os próprios documentos: não indique pasta de saída com ele.</translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR, or replace the documents with --in-place.</source>
        <translation>Nenhuma pasta de saída indicada: indique uma com -o PASTA, ou substitua os documentos com --in-place.</translation>
    </message>
    <message>
        <source>Give either --skip-existing or --overwrite, not both.</source>
        <translation>Indique --skip-existing ou --overwrite, não ambos.</translation>
    </message>
    <message>
        <source>--in-place goes with neither --skip-existing nor --overwrite.</source>
        <translation>--in-place não se combina com --skip-existing nem com --overwrite.</translation>
    </message>
    <message>
        <source>Give either --quiet or --verbose, not both.</source>
        <translation>Indique --quiet ou --verbose, não ambos.</translation>
    </message>
    <message>
        <source>-0 tells how the names of --files-from are separated: give --files-from FILE with it.</source>
        <translation>-0 indica como estão separados os nomes de --files-from: indique --files-from FICHEIRO com ele.</translation>
    </message>
    <message>
        <source>Standard input can be read only once: give &quot;-&quot; as one input or as the --files-from list.</source>
        <translation>A entrada padrão só pode ser lida uma vez: indique «-» como uma só entrada ou como lista de --files-from.</translation>
    </message>
    <message>
        <source>A document from standard input cannot be replaced in place: give an output with -o.</source>
        <translation>Um documento da entrada padrão não pode ser substituído no próprio local: indique uma saída com -o.</translation>
    </message>
    <message>
        <source>-o - writes the document itself to standard output: --json, --skip-existing and --overwrite do not go with it.</source>
        <translation>-o - escreve o próprio documento na saída padrão: --json, --skip-existing e --overwrite não se combinam com ele.</translation>
    </message>
    <message>
        <source>Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of 1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets its smallest copy and counts as failed. Not with -p or -l.</source>
        <translation>Entregar a cópia de melhor qualidade que tenha no máximo SIZE: em bytes, ou com um sufixo K, M ou G em unidades de 1024, tal como du -h e ls -h os mostram (500K, 1.5M). Um documento que não pode ficar tão pequeno recebe a sua cópia mais pequena e conta como falhado. Não em conjunto com -p ou -l.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--target-size chooses the level itself: give it without -p or -l.</source>
        <translation>--target-size escolhe o nível por si: indique-o sem -p nem -l.</translation>
    </message>
    <message>
        <source>The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), not &quot;%1&quot;.</source>
        <translation>O tamanho pretendido tem de ser um número positivo de bytes, ou um número com um sufixo K, M ou G (500K, 1.5M), e não «%1».</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <translation>Não é possível ler o ficheiro de palavras-passe %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1.</source>
        <translation>Não é possível criar a pasta de saída %1.</translation>
    </message>
    <message>
        <source>Try &quot;kompresto --help&quot; for more information.</source>
        <translation>Experimente «kompresto --help» para mais informações.</translation>
    </message>
    <message>
        <source>-o - writes a PDF to standard output, which is a terminal: redirect it to a file or a pipe.</source>
        <translation>-o - escreve um PDF na saída padrão, que é um terminal: redirecione-a para um ficheiro ou um pipe.</translation>
    </message>
    <message>
        <source>&quot;-&quot; reads a PDF from standard input, which is a terminal: redirect it from a file or a pipe.</source>
        <translation>«-» lê um PDF da entrada padrão, que é um terminal: redirecione-a a partir de um ficheiro ou de um pipe.</translation>
    </message>
    <message>
        <source>Cannot read the list of names %1: %2</source>
        <translation>Não é possível ler a lista de nomes %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>No PDF documents found in %1.</source>
        <translation>Nenhum documento PDF encontrado em %1.</translation>
    </message>
    <message>
        <source>%1 is the output folder, whose documents are never taken; --in-place replaces the documents themselves.</source>
        <translation>%1 é a pasta de saída, cujos documentos nunca são usados; --in-place substitui os próprios documentos.</translation>
    </message>
    <message numerus="yes">
        <source>-o - writes one document to standard output, but %n documents were given.</source>
        <translation>
            <numerusform>-o - escreve um só documento na saída padrão, mas foi indicado %n documento.</numerusform>
            <numerusform>-o - escreve um só documento na saída padrão, mas foram indicados %n documentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>No documents found.</source>
        <translation>Nenhum documento encontrado.</translation>
    </message>
    <message>
        <source>Other users can read the password file %1; make it private with: chmod 600 %1</source>
        <translation>Outros utilizadores podem ler o ficheiro de palavras-passe %1; torne-o privado com: chmod 600 %1</translation>
    </message>
    <message>
        <source>longer than %1 MB</source>
        <translation>maior do que %1 MB</translation>
    </message>
    <message>
        <source>Cannot create a private folder in %1.</source>
        <translation>Não é possível criar uma pasta privada em %1.</translation>
    </message>
    <message>
        <source>Cannot read the result %1: %2</source>
        <translation>Não é possível ler o resultado %1: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Não é possível escrever na saída padrão: %1</translation>
    </message>
</context>
<context>
    <name>CompressSettingWidget</name>
    <message>
        <source>Compress Setting</source>
        <translation>Definições de compressão</translation>
    </message>
    <message>
        <source>Small File Size</source>
        <translation>Ficheiro pequeno</translation>
    </message>
    <message>
        <source>High compression, low quality.</source>
        <translation>Compressão alta, qualidade baixa.</translation>
    </message>
    <message>
        <source>Medium File Size</source>
        <translation>Ficheiro médio</translation>
    </message>
    <message>
        <source>Medium compression, medium quality.</source>
        <translation>Compressão média, qualidade média.</translation>
    </message>
    <message>
        <source>Large File Size</source>
        <translation>Ficheiro grande</translation>
    </message>
    <message>
        <source>Low compression, high quality.</source>
        <translation>Compressão baixa, qualidade alta.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>Mais pequeno</translation>
    </message>
    <message>
        <source>Large Size</source>
        <translation>Maior</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Nível de compressão</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nível %1</translation>
    </message>
    <message>
        <source>Fit under</source>
        <translation>Caber em</translation>
    </message>
    <message>
        <source>Size to fit under</source>
        <translation>Tamanho a não exceder</translation>
    </message>
</context>
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation>Guia do utilizador</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Comentários e suporte</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>Mostrar pasta de registos</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Compression stopped</source>
        <translation>Compressão interrompida</translation>
    </message>
    <message>
        <source>Compression finished</source>
        <translation>Compressão concluída</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>DocumentJob</name>
    <message>
        <source>Ghostscript&apos;s rewrite</source>
        <translation>reescrita do Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript&apos;s rewrite, repacked by qpdf</source>
        <translation>reescrita do Ghostscript, reempacotada pelo qpdf</translation>
    </message>
    <message>
        <source>the source, repacked by qpdf</source>
        <translation>a origem, reempacotada pelo qpdf</translation>
    </message>
    <message>
        <source>the source as it was</source>
        <translation>a origem tal como estava</translation>
    </message>
    <message>
        <source>inspected by qpdf, pages: %1</source>
        <translation>inspecionado pelo qpdf, páginas: %1</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>encriptado</translation>
    </message>
    <message>
        <source>unlocked with password %1 of the password file</source>
        <translation>desbloqueado com a palavra-passe %1 do ficheiro de palavras-passe</translation>
    </message>
    <message>
        <source>the rewrite would lose links or bookmarks: not taken</source>
        <translation>a reescrita perderia ligações ou marcadores: não usada</translation>
    </message>
    <message>
        <source>weighed: %1, %2</source>
        <translation>comparada: %1, %2</translation>
    </message>
    <message>
        <source>chosen: %1, %2</source>
        <translation>escolhida: %1, %2</translation>
    </message>
    <message>
        <source>tried level %1: %2</source>
        <translation>nível %1 experimentado: %2</translation>
    </message>
</context>
<context>
    <name>EnterPassword</name>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Print password</source>
        <translation>Palavra-passe de impressão</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>Palavra-passe incorreta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open password</source>
        <translation>Palavra-passe de abertura</translation>
    </message>
    <message>
        <source>The document is damaged</source>
        <translation>O documento está danificado</translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
    <message>
        <source>Unlock the document with its password</source>
        <translation>Desbloquear o documento com a respetiva palavra-passe</translation>
    </message>
    <message>
        <source>Compression settings</source>
        <translation>Definições de compressão</translation>
    </message>
    <message>
        <source>Show the compressed file in its folder</source>
        <translation>Mostrar o ficheiro comprimido na respetiva pasta</translation>
    </message>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>Handed back unchanged: it could not be made smaller.</source>
        <translation>Devolvido sem alterações: não foi possível reduzi-lo.</translation>
    </message>
    <message>
        <source>Handed back unchanged, to keep its links and bookmarks.</source>
        <translation>Devolvido sem alterações para manter seus links e marcadores.</translation>
    </message>
    <message>
        <source>%1 · unchanged</source>
        <translation>%1 · sem alteração</translation>
    </message>
    <message>
        <source>%1 · %2 % smaller</source>
        <translation>%1 · %2 % menor</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>A verificar…</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Choosing the smallest copy…</source>
        <translation>A escolher a cópia mais pequena…</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nível %1</translation>
    </message>
    <message>
        <source>Try %1: %2</source>
        <translation>Tentativa %1: %2</translation>
    </message>
    <message>
        <source>Fit under %1</source>
        <translation>Caber em %1</translation>
    </message>
    <message>
        <source>Smallest possible: %1, over %2</source>
        <translation>O mais pequeno possível: %1, acima de %2</translation>
    </message>
</context>
<context>
    <name>FolderProblemNotice</name>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Não foi possível criar a pasta %1: %2.</translation>
    </message>
    <message>
        <source>Documents cannot be compressed until it can. Check the permissions and the free space of your home folder, then start the application again.</source>
        <translation>Enquanto não puder ser criada, nenhum documento pode ser comprimido. Verifique as permissões e o espaço livre da sua pasta pessoal e volte a iniciar a aplicação.</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Erro de rede, verifique a sua ligação!</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>O programa deixou de funcionar.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Envie o relatório de falha ao programador. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>é atualmente a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Pedidos demasiado frequentes, tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>Está disponível uma versão mais recente: %1. Pretende abrir a página do produto?</translation>
    </message>
</context>
<context>
    <name>HumanReport</name>
    <message>
        <source>Stopping: running compressions are stopped, nothing more is delivered.</source>
        <translation>A interromper: as compressões em curso são paradas e nada mais é entregue.</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: falhou: %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5% saved</source>
        <translation>%1: %2 %3 %4, %5% poupado</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(como %1)</translation>
    </message>
    <message>
        <source>%1 %2 %3 (%4% saved) in %5</source>
        <translation>%1 %2 %3 (%4% poupado) em %5</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: interrompido</translation>
    </message>
    <message>
        <source>%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks</source>
        <translation>%1: %2, entregue sem alterações: uma reescrita não ficava menor ou perderia ligações ou marcadores</translation>
    </message>
    <message numerus="yes">
        <source>Documents: %1 of %n, %2 %3 %4, %5</source>
        <translation>
            <numerusform>Documentos: %1 de %n, %2 %3 %4, %5</numerusform>
            <numerusform>Documentos: %1 de %n, %2 %3 %4, %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delivered: %1 of %n</source>
        <translation>
            <numerusform>Entregues: %1 de %n</numerusform>
            <numerusform>Entregues: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>failed: %n</source>
        <translation>
            <numerusform>falharam: %n</numerusform>
            <numerusform>falharam: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n</source>
        <translation>
            <numerusform>interrompidos: %n</numerusform>
            <numerusform>interrompidos: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: skipped, %2 exists</source>
        <translation>%1: saltado, %2 já existe</translation>
    </message>
    <message>
        <source>%1: %2, left as it was: no smaller sound copy</source>
        <translation>%1: %2, deixado como estava: nenhuma cópia íntegra mais pequena</translation>
    </message>
    <message>
        <source>(replaced)</source>
        <translation>(substituído)</translation>
    </message>
    <message numerus="yes">
        <source>skipped: %n</source>
        <translation>
            <numerusform>saltados: %n</numerusform>
            <numerusform>saltados: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: smallest possible: %2, over %3; delivered as %4</source>
        <translation>%1: falhou: o mais pequeno possível: %2, acima de %3; entregue como %4</translation>
    </message>
    <message>
        <source>(fits under %1 as it is)</source>
        <translation>(cabe em %1 tal como está)</translation>
    </message>
    <message>
        <source>(fits under %1 at level %2)</source>
        <translation>(cabe em %1 com o nível %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add Files</source>
        <translation>Adicionar ficheiros</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>To get started, please drag and drop files here or add them by clicking + button.</source>
        <translation>Para começar, arraste e largue ficheiros aqui ou adicione-os com o botão +.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Selecionar ficheiros</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Selecionar a pasta de saída</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>A verificar…</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Limpar a lista</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the list? Files already compressed stay in the output folder.</source>
        <translation>
            <numerusform>Remover o documento da lista? Os ficheiros já comprimidos ficam na pasta de saída.</numerusform>
            <numerusform>Remover todos os %n documentos da lista? Os ficheiros já comprimidos ficam na pasta de saída.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress Again</source>
        <translation>Comprimir novamente</translation>
    </message>
    <message>
        <source>Every document in the list is already compressed. Compress them again into &quot;%1&quot;?</source>
        <translation>Todos os documentos da lista já estão comprimidos. Comprimi-los novamente em «%1»?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Documents are still being compressed. Stop the run and quit?</source>
        <translation>Ainda há documentos a ser comprimidos. Parar e sair?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Parar e sair</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir a pasta de saída</translation>
    </message>
    <message>
        <source>Unlock…</source>
        <translation>Desbloquear…</translation>
    </message>
    <message>
        <source>Compression Settings…</source>
        <translation>Definições de compressão…</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Open Document</source>
        <translation>Abrir o documento</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>not a regular file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>larger than %1 KB</source>
        <translation>maior do que %1 KB</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Mais info</translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation>Copyright %1 %2 Vantorel Studio. Direitos reservados.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>RefusedFilesNotice</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>not a PDF: %n</source>
        <translation>
            <numerusform>não é um PDF: %n</numerusform>
            <numerusform>não é um PDF: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>damaged or unreadable: %n</source>
        <translation>
            <numerusform>danificado ou ilegível: %n</numerusform>
            <numerusform>danificado ou ilegível: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>already in the list: %n</source>
        <translation>
            <numerusform>já na lista: %n</numerusform>
            <numerusform>já na lista: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files not added: %n (%1)</source>
        <translation>
            <numerusform>Ficheiros não adicionados: %n (%1)</numerusform>
            <numerusform>Ficheiros não adicionados: %n (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>separates the reasons in the list of refused files</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Not Added</source>
        <translation>Ficheiros não adicionados</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>não é um PDF</translation>
    </message>
    <message>
        <source>damaged or unreadable</source>
        <translation>danificado ou ilegível</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>já está na lista</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Detalhes…</translation>
    </message>
    <message>
        <source>its name is not valid text and cannot be opened</source>
        <translation>o nome não é texto válido e não pode ser aberto</translation>
    </message>
    <message numerus="yes">
        <source>unreadable name: %n</source>
        <translation>
            <numerusform>nome ilegível: %n</numerusform>
            <numerusform>nomes ilegíveis: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultTable</name>
    <message>
        <source>Ghostscript failed with error %1</source>
        <translation>o Ghostscript falhou com o erro %1</translation>
    </message>
    <message>
        <source>The PDF interpreter reported error %1.</source>
        <translation>O interpretador de PDF informou o erro %1.</translation>
    </message>
    <message>
        <source>it could not be copied into the Temp folder</source>
        <translation>não foi possível copiá-lo para a pasta Temp</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Não foi possível ler o documento.</translation>
    </message>
    <message>
        <source>the result could not be moved into the output folder</source>
        <translation>não foi possível mover o resultado para a pasta de saída</translation>
    </message>
    <message>
        <source>The compressed file could not be moved into the output folder.</source>
        <translation>Não foi possível mover o ficheiro comprimido para a pasta de saída.</translation>
    </message>
    <message>
        <source>the document or its rewrite is incomplete or unreadable</source>
        <translation>o documento ou a sua reescrita está incompleto ou ilegível</translation>
    </message>
    <message>
        <source>The document is damaged or incomplete, or its rewrite came out incomplete.</source>
        <translation>O documento está danificado ou incompleto, ou a sua regravação ficou incompleta.</translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation>a palavra-passe foi recusada</translation>
    </message>
    <message>
        <source>The document&apos;s password is missing or wrong.</source>
        <translation>A palavra-passe do documento está ausente ou incorreta.</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>não é possível escrever na pasta de saída</translation>
    </message>
    <message>
        <source>The output folder cannot be created or written to.</source>
        <translation>Não é possível criar a pasta de saída nem gravar nela.</translation>
    </message>
    <message>
        <source>Ghostscript crashed on it</source>
        <translation>o Ghostscript falhou com ele</translation>
    </message>
    <message>
        <source>The PDF interpreter crashed on this document.</source>
        <translation>O interpretador de PDF travou neste documento.</translation>
    </message>
    <message>
        <source>Ghostscript took too long and was ended</source>
        <translation>o Ghostscript demorou demasiado e foi terminado</translation>
    </message>
    <message>
        <source>The compression took too long and was ended.</source>
        <translation>A compressão demorou demais e foi encerrada.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>The compression was stopped.</source>
        <translation>A compressão foi interrompida.</translation>
    </message>
    <message>
        <source>the compression worker could not be started; the installation may be damaged</source>
        <translation>não foi possível iniciar o processo de compressão; a instalação pode estar danificada</translation>
    </message>
    <message>
        <source>The compression worker could not be started; the installation may be damaged.</source>
        <translation>Não foi possível iniciar o processo de compressão; a instalação pode estar danificada.</translation>
    </message>
    <message>
        <source>the disk of the Temp folder %1 is full</source>
        <translation>o disco da pasta Temp %1 está cheio</translation>
    </message>
    <message>
        <source>The disk that holds the Temp folder %1 is full.</source>
        <translation>O disco que contém a pasta Temp %1 está cheio.</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>ficheiro ou pasta inexistente</translation>
    </message>
    <message>
        <source>The document is no longer where it was.</source>
        <translation>O documento já não está onde estava.</translation>
    </message>
    <message>
        <source>not a PDF file (its name does not end in .pdf)</source>
        <translation>não é um ficheiro PDF (o nome não termina em .pdf)</translation>
    </message>
    <message>
        <source>The file&apos;s name does not end in .pdf.</source>
        <translation>O nome do ficheiro não termina em .pdf.</translation>
    </message>
    <message>
        <source>not a PDF file</source>
        <translation>não é um ficheiro PDF</translation>
    </message>
    <message>
        <source>The file is not a PDF document.</source>
        <translation>O ficheiro não é um documento PDF.</translation>
    </message>
    <message>
        <source>damaged, qpdf cannot open it</source>
        <translation>danificado, o qpdf não o consegue abrir</translation>
    </message>
    <message>
        <source>The document is damaged and cannot be opened.</source>
        <translation>O documento está danificado e não pode ser aberto.</translation>
    </message>
    <message>
        <source>locked with an open password (give passwords with --password-file)</source>
        <translation>bloqueado por uma palavra-passe de abertura (indique palavras-passe com --password-file)</translation>
    </message>
    <message>
        <source>The document is locked with an open password.</source>
        <translation>O documento está bloqueado por uma palavra-passe de abertura.</translation>
    </message>
    <message>
        <source>locked, and no password of the password file opens it</source>
        <translation>bloqueado, e nenhuma palavra-passe do ficheiro de palavras-passe o abre</translation>
    </message>
    <message>
        <source>None of the passwords given opens the document.</source>
        <translation>Nenhuma das palavras-passe indicadas abre o documento.</translation>
    </message>
    <message>
        <source>name too long for a numbered variant in the output folder</source>
        <translation>nome demasiado longo para uma variante numerada na pasta de saída</translation>
    </message>
    <message>
        <source>The file name is too long for a numbered variant in the output folder.</source>
        <translation>O nome do ficheiro é demasiado longo para uma variante numerada na pasta de saída.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Não é um ficheiro normal.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>You may not read this file.</source>
        <translation>Não tem permissão para ler este ficheiro.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>O ficheiro não pode ser lido.</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it</source>
        <translation>o seu nome não é texto UTF-8 válido, por isso não pode ser aberto; mude-lhe o nome para o comprimir</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, so it cannot be opened. Rename it to compress it.</source>
        <translation>O nome do ficheiro não é texto UTF-8 válido, por isso não pode ser aberto. Mude-lhe o nome para o comprimir.</translation>
    </message>
    <message>
        <source>standard input holds more than 2 GB</source>
        <translation>a entrada padrão contém mais de 2 GB</translation>
    </message>
    <message>
        <source>The document is larger than 2 GB.</source>
        <translation>O documento tem mais de 2 GB.</translation>
    </message>
    <message>
        <source>its output would replace a document of this run</source>
        <translation>a sua saída substituiria um documento desta execução</translation>
    </message>
    <message>
        <source>Its output would replace another document of this run.</source>
        <translation>A sua saída substituiria outro documento desta execução.</translation>
    </message>
    <message>
        <source>even its smallest copy is larger than the size asked for</source>
        <translation>mesmo a sua cópia mais pequena excede o tamanho pedido</translation>
    </message>
    <message>
        <source>Even the smallest copy is larger than the size asked for.</source>
        <translation>Mesmo a cópia mais pequena excede o tamanho pedido.</translation>
    </message>
</context>
<context>
    <name>RunTally</name>
    <message>
        <source>Stopping…</source>
        <translation>A interromper…</translation>
    </message>
    <message>
        <source>Compressing %1 of %2</source>
        <translation>A comprimir %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n ficheiro</numerusform>
            <numerusform>%n ficheiros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n com falha</numerusform>
            <numerusform>%n com falha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n bloqueado, não comprimido</numerusform>
            <numerusform>%n bloqueados, não comprimidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>%1 % smaller</source>
        <translation>%1 % menor</translation>
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
