<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BirthSigns</name>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Bitmap Image (*.BMP)</source>
        <translation>Imagem bitmap (*.BMP)</translation>
    </message>
    <message>
        <source>bitmap file</source>
        <translation>arquivo bitmap</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>imagem PNG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>desenho SVG</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>documento PDF</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>tabela CSV</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>Born on {date} ({sign})</source>
        <translation>Nascido em {date} ({sign})</translation>
    </message>
    <message>
        <source>{name}, born on {date} ({sign})</source>
        <translation>{name}, nascido em {date} ({sign})</translation>
    </message>
    <message>
        <source>Age as of {date}: {years} Years ({days} Days)</source>
        <translation>Idade em {date}: {years} anos ({days} dias)</translation>
    </message>
    <message>
        <source>Invalid date ...</source>
        <translation>Data inválida ...</translation>
    </message>
    <message>
        <source>Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%</source>
        <translation>Comparado com {name}: físico {physical}%, emocional {emotional}%, intelectual {mental}%</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Geral</translation>
    </message>
</context>
<context>
    <name>EscapedErrorReport</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
</context>
<context>
    <name>ExportDialogSetup</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation>Salvar imagem %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>InstallActions</name>
    <message>
        <source>The folder

%s

could not be created: %s.

Please select a different folder to install to.</source>
        <translation>Não foi possível criar a pasta

%s

Motivo: %s.

Escolha outra pasta para a instalação.</translation>
    </message>
    <message>
        <source>The folder

%s

apparently already exists. Do you want to overwrite existing files?</source>
        <translation>A pasta

%s

parece já existir. Deseja substituir os arquivos existentes?</translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation>Nada foi alterado. Escolha outra pasta para a instalação.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; already exists, but %s has a newer version of this file.

Would you like to install this file?</source>
        <translation>O arquivo &quot;%s&quot; já existe, mas o %s traz uma versão mais recente dele.

Deseja instalar este arquivo?</translation>
    </message>
    <message>
        <source>the registry could not be written</source>
        <translation>não foi possível gravar no registro</translation>
    </message>
    <message>
        <source>Read the %s help</source>
        <translation>Ler a ajuda do %s</translation>
    </message>
    <message>
        <source>Biorhythm charts for the days ahead</source>
        <translation>Gráficos de biorritmo para os próximos dias</translation>
    </message>
    <message>
        <source>Remove %s from this computer</source>
        <translation>Remover o %s deste computador</translation>
    </message>
    <message>
        <source>Could not write the uninstall entry: %s

To remove %s later, run %s</source>
        <translation>Não foi possível gravar a entrada de desinstalação: %s

Para remover o %s mais tarde, execute %s</translation>
    </message>
</context>
<context>
    <name>PaletteNames</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordô</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde-azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fúcsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
</context>
<context>
    <name>PeopleMenus</name>
    <message>
        <source>Manage People</source>
        <translation>Gerenciar pessoas</translation>
    </message>
    <message>
        <source>&amp;People:</source>
        <translation>&amp;Pessoas:</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renomear...</translation>
    </message>
    <message>
        <source>Change &amp;Birth Date...</source>
        <translation>Alterar data de &amp;nascimento...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Novo nome para %1:</translation>
    </message>
    <message>
        <source>Remove %1 from the people?</source>
        <translation>Remover %1 das pessoas?</translation>
    </message>
    <message>
        <source>Change Birth Date</source>
        <translation>Alterar data de nascimento</translation>
    </message>
    <message>
        <source>&amp;Birth date of %1:</source>
        <translation>Data de &amp;nascimento de %1:</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Mark &amp;Critical Days</source>
        <translation>Marcar dias &amp;críticos</translation>
    </message>
    <message>
        <source>Mark T&amp;oday</source>
        <translation>Marcar &amp;hoje</translation>
    </message>
    <message>
        <source>&amp;People</source>
        <translation>&amp;Pessoas</translation>
    </message>
    <message>
        <source>&amp;Compare With</source>
        <translation>&amp;Comparar com</translation>
    </message>
    <message>
        <source>&amp;Add Person...</source>
        <translation>A&amp;dicionar pessoa...</translation>
    </message>
    <message>
        <source>&amp;Manage People...</source>
        <translation>&amp;Gerenciar pessoas...</translation>
    </message>
    <message>
        <source>&amp;Nobody</source>
        <translation>&amp;Ninguém</translation>
    </message>
    <message>
        <source>A person needs a name.</source>
        <translation>Uma pessoa precisa de um nome.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Um nome não pode conter quebra de linha.</translation>
    </message>
    <message>
        <source>There is already a person called %1.</source>
        <translation>Já existe uma pessoa chamada %1.</translation>
    </message>
    <message>
        <source>%1 is no longer among the people.</source>
        <translation>%1 não está mais entre as pessoas.</translation>
    </message>
    <message>
        <source>Add Person</source>
        <translation>Adicionar pessoa</translation>
    </message>
    <message>
        <source>Name of the person born on %1:</source>
        <translation>Nome da pessoa nascida em %1:</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>QtChartDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.
Check the path and try again.</source>
        <translation>A pasta &quot;%1&quot; não existe.
Verifique o caminho e tente novamente.</translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Fechar sem salvar</translation>
    </message>
</context>
<context>
    <name>ReadoutTexts</name>
    <message>
        <source>{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}</source>
        <translation>{date} / físico {physical} / intelectual {mental} / emocional {emotional} / geral {overall}</translation>
    </message>
    <message>
        <source>{percent}%</source>
        <translation>{percent}%</translation>
    </message>
    <message>
        <source>No chart: the birth date or the start date is not a valid date.</source>
        <translation>Sem gráfico: a data de nascimento ou a data de início não é uma data válida.</translation>
    </message>
    <message>
        <source>Biorhythm chart for a birth on {birth}, starting on {start}.</source>
        <translation>Gráfico de biorritmo para um nascimento em {birth}, a partir de {start}.</translation>
    </message>
    <message>
        <source> Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}.</source>
        <translation> Hoje, {date}: físico {physical}, intelectual {mental}, emocional {emotional}, geral {overall}.</translation>
    </message>
    <message>
        <source>{percent} percent</source>
        <translation>{percent} por cento</translation>
    </message>
    <message>
        <source>minus {percent} percent</source>
        <translation>menos {percent} por cento</translation>
    </message>
    <message>
        <source> (critical)</source>
        <translation> (crítico)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and was kept as &apos;%2&apos;.</source>
        <translation>Não foi possível ler o arquivo de configurações &quot;%1&quot;; ele foi guardado como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and could not be kept aside: %2.</source>
        <translation>Não foi possível ler nem pôr de lado o arquivo de configurações &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read: %2.</source>
        <translation>Não foi possível ler o arquivo de configurações &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source> The program starts with its default settings.</source>
        <translation> O programa inicia com as configurações padrão.</translation>
    </message>
</context>
<context>
    <name>SetupItemPainter</name>
    <message>
        <source>No Line</source>
        <translation>Sem linha</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>No Line</source>
        <translation>Sem linha</translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation>Espessura %1</translation>
    </message>
    <message>
        <source>Range of weeks to show</source>
        <translation>Número de semanas exibidas</translation>
    </message>
    <message>
        <source> Style </source>
        <translation> Estilo </translation>
    </message>
    <message>
        <source>Style of graphic</source>
        <translation>Estilo do gráfico</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>High/Low</source>
        <translation>Alto/Baixo</translation>
    </message>
    <message>
        <source> Line Widths </source>
        <translation> Espessuras </translation>
    </message>
    <message>
        <source>Line widths for graphic</source>
        <translation>Espessura das linhas do gráfico</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Geral </translation>
    </message>
    <message>
        <source>Save Start Date</source>
        <translation>Lembrar data</translation>
    </message>
    <message>
        <source>Current start date will be used for next session</source>
        <translation>A data de início atual será usada na próxima sessão</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Mostrar dicas</translation>
    </message>
    <message>
        <source>Show these popup hints</source>
        <translation>Mostrar estas dicas</translation>
    </message>
    <message>
        <source>Separator Lines</source>
        <translation>Separadores</translation>
    </message>
    <message>
        <source>Show daily vertical lines in graphic</source>
        <translation>Mostrar uma linha vertical por dia no gráfico</translation>
    </message>
    <message>
        <source>Hide Flash Screen</source>
        <translation>Sem abertura</translation>
    </message>
    <message>
        <source>Hide initial flash screen on startup</source>
        <translation>Não mostrar a tela de abertura ao iniciar</translation>
    </message>
    <message>
        <source> Color Settings </source>
        <translation> Cores </translation>
    </message>
    <message>
        <source>Color settings for graphic</source>
        <translation>Cores do gráfico</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation>Espessura da linha %1</translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation>Cor %1</translation>
    </message>
    <message>
        <source> Show %1 Week </source>
        <translation> Mostrar %1 semana </translation>
    </message>
    <message>
        <source> Show %1 Weeks </source>
        <translation> Mostrar %1 semanas </translation>
    </message>
</context>
<context>
    <name>SetupWizardEntry</name>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation>Desculpe, este programa foi feito especificamente para Windows 95 ou Windows NT 4.0.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened.</source>
        <translation>Não é possível abrir o arquivo de ajuda &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>World Wide Web</source>
        <translation>World Wide Web</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Click to close this dialog</source>
        <translation>Clique para fechar esta janela</translation>
    </message>
    <message>
        <source>%1 - Version %2</source>
        <translation>%1 - Versão %2</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>TfrmBio</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Página anterior</translation>
    </message>
    <message>
        <source>One Day &amp;Back</source>
        <translation>&amp;Voltar um dia</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoje</translation>
    </message>
    <message>
        <source>One Day &amp;Forward</source>
        <translation>Avançar um &amp;dia</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Pró&amp;xima página</translation>
    </message>
    <message>
        <source>&amp;Save As Bitmap</source>
        <translation>&amp;Salvar como imagem</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Visuali&amp;zar impressão</translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation>Usar como plano de &amp;fundo (lado a lado)</translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation>Usar como plano de fundo (&amp;centralizado)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation>&amp;Copiar o programa para um amigo</translation>
    </message>
    <message>
        <source>&amp;Latest Corvanti Products</source>
        <translation>Ú&amp;ltimos produtos Corvanti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Only a copy installed by its own Setup, or a complete download, can be copied for a friend: the program&apos;s files are not all in its folder</source>
        <translation>Só uma cópia instalada pelo seu próprio instalador, ou um download completo, pode ser copiada para um amigo: os arquivos do programa não estão todos na pasta dele</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; could not be written.

%3</source>
        <translation>Não foi possível gravar &quot;%2&quot; (%1).

%3</translation>
    </message>
    <message>
        <source>The chart could not be printed on &quot;%1&quot;.</source>
        <translation>Não foi possível imprimir o gráfico em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The chart cannot be put on paper while a date is not valid.</source>
        <translation>O gráfico não pode ser impresso enquanto uma data for inválida.</translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation>Não foi possível definir o plano de fundo!</translation>
    </message>
    <message>
        <source>Birth date for calculations</source>
        <translation>Data de nascimento para os cálculos</translation>
    </message>
    <message>
        <source>Date to start with</source>
        <translation>Data em que o gráfico começa</translation>
    </message>
    <message>
        <source>B&amp;irth Date</source>
        <translation>Data de &amp;nascimento</translation>
    </message>
    <message>
        <source>St&amp;art Date</source>
        <translation>Data de &amp;início</translation>
    </message>
    <message>
        <source>&amp;Biorhythm</source>
        <translation>&amp;Biorritmo</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Drag to share the window between the date fields and the chart</source>
        <translation>Arraste para dividir a janela entre os campos de data e o gráfico</translation>
    </message>
    <message>
        <source>Biorhythm and Setup</source>
        <translation>Biorritmo e configurações</translation>
    </message>
    <message>
        <source>The chart, and the setup of how it is drawn</source>
        <translation>O gráfico e as configurações de como ele é desenhado</translation>
    </message>
    <message>
        <source>Biorhythm chart</source>
        <translation>Gráfico de biorritmo</translation>
    </message>
</context>
<context>
    <name>TfrmCal</name>
    <message>
        <source>Year back</source>
        <translation>Ano anterior</translation>
    </message>
    <message>
        <source>Month back</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoje</translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation>Ir para hoje</translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation>Próximo ano</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Calendário %1</translation>
    </message>
</context>
<context>
    <name>TfrmCopyProgram</name>
    <message>
        <source>Select the drive you want to copy to</source>
        <translation>Escolha a unidade para onde copiar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Copy %s for a Friend</source>
        <translation>Copiar o %s para um amigo</translation>
    </message>
    <message>
        <source>Choose the drive you want to copy %s to, for example a floppy disk or a USB stick for a friend.%sThe program&apos;s files are copied into a folder of that name at the top of the drive.</source>
        <translation>Escolha a unidade para onde copiar o %s, por exemplo um disquete ou um pen drive para um amigo.%sOs arquivos do programa são copiados para uma pasta com esse nome na raiz da unidade.</translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation>Copiar para a pasta %1</translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation>Não é possível copiar para a mesma pasta de onde este programa está sendo executado.</translation>
    </message>
    <message>
        <source>Error writing to drive %s. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation>Erro ao gravar na unidade %s. Se for uma unidade removível, verifique se há um disco nela e tente novamente.</translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation>Faltam um ou mais arquivos da instalação original. Obtenha uma nova cópia no nosso site.</translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation>Ocorreu um erro ao copiar os arquivos. Verifique se há um disquete na unidade e tente novamente.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Pronto!</translation>
    </message>
</context>
<context>
    <name>TfrmInstall</name>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Avançar &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Voltar</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Cancelar a instalação</translation>
    </message>
    <message>
        <source>Please select a parent folder for %s. Click on Next to proceed.</source>
        <translation>Escolha uma pasta superior para o %s. Clique em Avançar para continuar.</translation>
    </message>
    <message>
        <source>Select the drive where you want to install this program</source>
        <translation>Escolha a unidade onde instalar este programa</translation>
    </message>
    <message>
        <source>Select the folder(s) where you want to install this program</source>
        <translation>Escolha a pasta onde instalar este programa</translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %s.</source>
        <translation>Escolha de onde você quer poder executar o %s.</translation>
    </message>
    <message>
        <source>Add %s to the Start Menu</source>
        <translation>Adicionar o %s ao menu Iniciar</translation>
    </message>
    <message>
        <source>Creates a group in Windows&apos; Start Menu</source>
        <translation>Cria um grupo no menu Iniciar do Windows</translation>
    </message>
    <message>
        <source>Automatically run %s on Windows startup</source>
        <translation>Executar o %s ao iniciar o Windows</translation>
    </message>
    <message>
        <source>Automatically runs this program when you start Windows</source>
        <translation>Executa este programa automaticamente ao iniciar o Windows</translation>
    </message>
    <message>
        <source>Add %s icon to the Desktop</source>
        <translation>Adicionar o ícone do %s à área de trabalho</translation>
    </message>
    <message>
        <source>Creates a shortcut icon on your desktop</source>
        <translation>Cria um atalho na sua área de trabalho</translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation>Os seguintes arquivos serão instalados no seu sistema</translation>
    </message>
    <message>
        <source>These files will be installed on your system</source>
        <translation>Estes arquivos serão instalados no seu sistema</translation>
    </message>
    <message>
        <source>Click on Finish to install %s.</source>
        <translation>Clique em Concluir para instalar o %s.</translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation>A instalação foi concluída com sucesso!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation>Pelo relógio do seu sistema, você baixou uma versão deste programa com mais de 6 meses! É muito provável que ela já tenha sido substituída por uma versão mais recente. Confira no seguinte endereço WWW:</translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation>Mesmo assim, você pode instalar esta versão clicando em Avançar.</translation>
    </message>
    <message>
        <source>Click here to jump to Corvanti&apos;s home page on the World Wide Web</source>
        <translation>Clique aqui para ir à página da Corvanti na World Wide Web</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>Instalação do %1</translation>
    </message>
</context>
<context>
    <name>TfrmInstallFlow</name>
    <message>
        <source>Are you sure you want to cancel the installation of %s?</source>
        <translation>Deseja mesmo cancelar a instalação do %s?</translation>
    </message>
</context>
<context>
    <name>TfrmProducts</name>
    <message>
        <source>Latest %1 Products</source>
        <translation>Últimos produtos %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 keeps adding to its range of programs for body and mind.&lt;/p&gt;&lt;p&gt;The latest %1 products, updates to %2 and free trial versions are waiting for you on the World Wide Web at&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Drop by now and then: new titles appear there first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A %1 amplia sem parar sua linha de programas para o corpo e a mente.&lt;/p&gt;&lt;p&gt;Os últimos produtos %1, atualizações do %2 e versões de avaliação gratuitas esperam por você na World Wide Web, em&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Passe por lá de vez em quando: os novos títulos aparecem lá primeiro.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The file

%s

may be used by another application. Do you want to delete it?</source>
        <translation>O arquivo

%s

pode estar em uso por outro aplicativo. Deseja excluí-lo?</translation>
    </message>
    <message>
        <source>These files in

%s

were left where they are, because they are not the ones %s installed:

%s</source>
        <translation>Estes arquivos em

%s

foram deixados onde estão, porque não são os que o %s instalou:

%s</translation>
    </message>
    <message>
        <source>No installation of %s is registered, so the copy in

%s

cannot be uninstalled. Nothing has been changed.</source>
        <translation>Nenhuma instalação do %s está registrada, por isso a cópia em

%s

não pode ser desinstalada. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The copy of %s in

%s

is not the installed one. The uninstall entry names the installation in

%s

Run the uninstall from there. Nothing has been changed.</source>
        <translation>A cópia do %s em

%s

não é a instalada. A entrada de desinstalação aponta para a instalação em

%s

Execute a desinstalação a partir de lá. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The program file

%s

could not be removed automatically. Please delete it by hand.</source>
        <translation>Não foi possível remover automaticamente o arquivo do programa

%s

Exclua-o manualmente.</translation>
    </message>
    <message>
        <source>The program file and the folder

%s

could not be removed automatically. Please delete them by hand.</source>
        <translation>Não foi possível remover automaticamente o arquivo do programa e a pasta

%s

Exclua-os manualmente.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %s?</source>
        <translation>Deseja mesmo desinstalar o %s?</translation>
    </message>
    <message>
        <source>%s has been uninstalled.</source>
        <translation>O %s foi desinstalado.</translation>
    </message>
</context>
</TS>
