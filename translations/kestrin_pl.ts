<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CCopyPasteTutorialDlg</name>
    <message>
        <source>Internal Error:  Contact %1.</source>
        <translation>Błąd wewnętrzny: skontaktuj się z %1.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>Window menu</source>
        <translation>Menu okna</translation>
    </message>
</context>
<context>
    <name>CDoubleClickTutorialDlg</name>
    <message>
        <source>After starting the tutorial this text will be replaced with statistics about your progress.</source>
        <translation>Po rozpoczęciu lekcji w tym miejscu pojawią się statystyki twoich postępów.</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>W systemie operacyjnym zabrakło
pamięci lub zasobów.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Nie można odnaleźć określonego pliku.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Nie można odnaleźć określonej ścieżki.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>System operacyjny odmówił
dostępu do określonego pliku.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Za mało pamięci, aby ukończyć operację.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Plik .EXE jest nieprawidłowy
(plik .EXE spoza Win32 lub błąd w obrazie .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Wystąpiło naruszenie udostępniania. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Domyślna przeglądarka internetowa
nie mogła otworzyć adresu.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Nie można ukończyć transakcji
DDE, ponieważ upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transakcja DDE nie powiodła się.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Nie można ukończyć transakcji
DDE, ponieważ były przetwarzane
inne transakcje DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Żadna przeglądarka internetowa
nie mogła otworzyć adresu.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Nie można odnaleźć określonej biblioteki DLL.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Wystąpił nieznany błąd (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Nie można otworzyć łącza:

</translation>
    </message>
</context>
<context>
    <name>CopyPasteSteps</name>
    <message>
        <source>Waiting for tutorial to start.</source>
        <translation>Oczekiwanie na rozpoczęcie lekcji.</translation>
    </message>
    <message>
        <source>Oops.. The text being copied has been modified.  This is not consistent with the expected results of the tutorial.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Ups... Kopiowany tekst został zmieniony, a w tej lekcji nie powinno się to zdarzyć. Kliknij przycisk „Od nowa”.</translation>
    </message>
    <message>
        <source>Steps 1 &amp; 2 are Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have selected the text as instructed! Now move on to Step 3.</source>
        <translation>Kroki 1 i 2 wykonane! Brawo!<byte value="xd"/>
<byte value="xd"/>
Tekst jest zaznaczony tak, jak trzeba! Teraz przejdź do kroku 3.</translation>
    </message>
    <message>
        <source>Oops... Something isn&apos;t quite right.  You had previously selected the text properly, but now the text window is not active so you will not be able to copy from it.  Please start over from Step 1.</source>
        <translation>Ups... Coś jest nie tak. Tekst był dobrze zaznaczony, ale pole z tekstem nie jest już aktywne, więc nie da się z niego kopiować. Zacznij jeszcze raz od kroku 1.</translation>
    </message>
    <message>
        <source>Oops... The selected text isn&apos;t quite right.  Please start over at Step 1.</source>
        <translation>Ups... Zaznaczony tekst nie jest taki, jak trzeba. Zacznij jeszcze raz od kroku 1.</translation>
    </message>
    <message>
        <source>Oops... The starting position of the selected text isn&apos;t right.  Please start over at Step 1.</source>
        <translation>Ups... Zaznaczenie zaczyna się w złym miejscu. Zacznij jeszcze raz od kroku 1.</translation>
    </message>
    <message>
        <source>You&apos;re on the right track.  Keep selecting...</source>
        <translation>Dobrze idzie. Zaznaczaj dalej...</translation>
    </message>
    <message>
        <source>Step 3 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have copied the text as instructed!  Now move on to Step 4.</source>
        <translation>Krok 3 wykonany! Brawo!<byte value="xd"/>
<byte value="xd"/>
Tekst jest skopiowany tak, jak trzeba! Teraz przejdź do kroku 4.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You need to select the text again.  Please start over at Step 1.</source>
        <translation>Ups! Coś poszło nie tak. Trzeba ponownie zaznaczyć tekst. Zacznij jeszcze raz od kroku 1.</translation>
    </message>
    <message>
        <source>Step 4 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have positioned the insertion pointer to the right text box!  Now move on to Step 5.</source>
        <translation>Krok 4 wykonany! Brawo!<byte value="xd"/>
<byte value="xd"/>
Kursor tekstowy jest we właściwym polu! Teraz przejdź do kroku 5.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You still need to complete Step 4.</source>
        <translation>Ups! Coś poszło nie tak. Najpierw trzeba wykonać krok 4.</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!<byte value="xd"/>
<byte value="xd"/>
You successfully copied and pasted text from one window to another!</source>
        <translation>Gratulacje! Udało się!<byte value="xd"/>
<byte value="xd"/>
Tekst został skopiowany z jednego okna i wklejony do drugiego!</translation>
    </message>
    <message>
        <source>Here is the text that you will select for your tutorial on cut/copy/paste - stop here</source>
        <translation>Oto tekst, który zaznaczysz w lekcji wycinania, kopiowania i wklejania - zatrzymaj się tutaj</translation>
    </message>
    <message>
        <source>Please start the tutorial at Step 1.  As you complete the steps, this status area will track your progress.  Check back here to see how you are progressing.</source>
        <translation>Zacznij lekcję od kroku 1. W miarę wykonywania kolejnych kroków w tym polu będą widoczne twoje postępy. Zaglądaj tutaj, aby sprawdzić, jak ci idzie.</translation>
    </message>
</context>
<context>
    <name>DoubleClick</name>
    <message>
        <source>Double Clicks	:	</source>
        <translation>Dwukrotne kliknięcia	:	</translation>
    </message>
    <message>
        <source>Too Slow				:	</source>
        <translation>Za wolno	:	</translation>
    </message>
    <message>
        <source>Mouse Moved	:	</source>
        <translation>Ruch myszy	:	</translation>
    </message>
    <message>
        <source>Single Click			:	</source>
        <translation>Pojedyncze kliknięcia	:	</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Total						:	</source>
        <translation>Razem	:	</translation>
    </message>
    <message>
        <source>First click... Now quickly click again!</source>
        <translation>Pierwsze kliknięcie... Teraz szybko kliknij jeszcze raz!</translation>
    </message>
    <message>
        <source>Sorry.  Not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Try again, but click faster.</source>
        <translation>Niestety, trochę za wolno.<byte value="xd"/>
<byte value="xd"/>
Spróbuj jeszcze raz i kliknij szybciej.</translation>
    </message>
    <message>
        <source>Sorry.  You moved the mouse between the first and second click.<byte value="xd"/>
<byte value="xd"/>
Try again, but keep the mouse in the same position while double clicking.</source>
        <translation>Niestety, mysz poruszyła się między pierwszym a drugim kliknięciem.<byte value="xd"/>
<byte value="xd"/>
Spróbuj jeszcze raz i podczas dwukrotnego kliknięcia trzymaj mysz nieruchomo.</translation>
    </message>
    <message>
        <source>Success!  <byte value="xd"/>
<byte value="xd"/>
You successfully double clicked the mouse!</source>
        <translation>Sukces!<byte value="xd"/>
<byte value="xd"/>
Udało się kliknąć dwukrotnie!</translation>
    </message>
    <message>
        <source>Try Again... You have to click twice.</source>
        <translation>Spróbuj jeszcze raz... Trzeba kliknąć dwa razy.</translation>
    </message>
    <message>
        <source>Try Again... Your second click was not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Remember to click faster.</source>
        <translation>Spróbuj jeszcze raz... Drugie kliknięcie było trochę za wolne.<byte value="xd"/>
<byte value="xd"/>
Pamiętaj, aby klikać szybciej.</translation>
    </message>
    <message>
        <source>Try Again... <byte value="xd"/>
<byte value="xd"/>
Remember to keep the mouse in the same position while double clicking.</source>
        <translation>Spróbuj jeszcze raz...<byte value="xd"/>
<byte value="xd"/>
Pamiętaj, aby podczas dwukrotnego kliknięcia trzymać mysz nieruchomo.</translation>
    </message>
    <message>
        <source>Practice makes perfect! <byte value="xd"/>
<byte value="xd"/>
See how many times in a row you can double click.</source>
        <translation>Praktyka czyni mistrza!<byte value="xd"/>
<byte value="xd"/>
Sprawdź, ile razy z rzędu uda ci się kliknąć dwukrotnie.</translation>
    </message>
</context>
<context>
    <name>DragDrop</name>
    <message>
        <source>Click and Drag Me</source>
        <translation>Kliknij i przeciągnij mnie</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Folder źródłowy</translation>
    </message>
    <message>
        <source>Another File</source>
        <translation>Inny plik</translation>
    </message>
    <message>
        <source>Just Another Folder</source>
        <translation>Inny folder</translation>
    </message>
    <message>
        <source>Yet Another Folder</source>
        <translation>Jeszcze inny folder</translation>
    </message>
    <message>
        <source>Please start at Step 1 by placing the mouse over the tree item labeled &quot;Click and Drag Me&quot;.</source>
        <translation>Zacznij od kroku 1: ustaw wskaźnik myszy na elemencie drzewa o nazwie „Kliknij i przeciągnij mnie”.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 1.  You have got the mouse over the right tree item!  Please move on to Step 2.</source>
        <translation>Świetnie!<byte value="xd"/>
<byte value="xd"/>
Krok 1 zaliczony. Wskaźnik myszy jest na właściwym elemencie drzewa! Przejdź do kroku 2.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 2.  You clicked the right tree item!  Please continue to Step 3.</source>
        <translation>Świetnie!<byte value="xd"/>
<byte value="xd"/>
Krok 2 zaliczony. Kliknięcie trafiło we właściwy element drzewa! Przejdź do kroku 3.</translation>
    </message>
    <message>
        <source>Oops... You clicked on the correct tree item, but you need to continue to hold the mouse down to complete Step 2.  Please try again.</source>
        <translation>Ups... Kliknięcie trafiło we właściwy element drzewa, ale aby wykonać krok 2, trzeba cały czas trzymać wciśnięty przycisk myszy. Spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>Super!<byte value="xd"/>
<byte value="xd"/>
You got Step 3.  You are dragging the tree item!  Now just keep dragging until the cursor is over the &quot;Destination Folder&quot;.</source>
        <translation>Super!<byte value="xd"/>
<byte value="xd"/>
Krok 3 zaliczony. Element drzewa jest przeciągany! Teraz przeciągaj dalej, aż wskaźnik znajdzie się nad elementem „Folder docelowy”.</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>
<byte value="xd"/>
You are dragging the wrong item.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Ups!<byte value="xd"/>
<byte value="xd"/>
Przeciągany jest niewłaściwy element. Kliknij przycisk „Od nowa”.</translation>
    </message>
    <message>
        <source>Congratulations!  You got it!<byte value="xd"/>
<byte value="xd"/>
If you would like to try again, please press the &quot;Start Over&quot; button.</source>
        <translation>Gratulacje! Udało się!<byte value="xd"/>
<byte value="xd"/>
Aby spróbować jeszcze raz, kliknij przycisk „Od nowa”.</translation>
    </message>
    <message>
        <source>Sorry.  You didn&apos;t drop onto the correct tree item.  Please press the &quot;Start Over&quot; button to try again.</source>
        <translation>Niestety, element został upuszczony w złym miejscu. Aby spróbować jeszcze raz, kliknij przycisk „Od nowa”.</translation>
    </message>
    <message>
        <source>Please press the &quot;Start Over&quot; button to begin the tutorial again.</source>
        <translation>Aby zacząć lekcję od początku, kliknij przycisk „Od nowa”.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>&amp;About Vellumark Kestrin...</source>
        <translation>&amp;O programie Vellumark Kestrin...</translation>
    </message>
    <message>
        <source>About Vellumark Kestrin</source>
        <translation>O programie Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Kestrin</source>
        <translation>Kestrin</translation>
    </message>
    <message>
        <source>Kestrin Version 1.0</source>
        <translation>Kestrin, wersja 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vellumark.  All rights reserved.</source>
        <translation>Copyright (C) 2026 Vellumark. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vellumark</source>
        <translation>Vellumark</translation>
    </message>
    <message>
        <source>Vellumark Kestrin</source>
        <translation>Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Copy and Paste Tutorial</source>
        <translation>Kopiowanie i wklejanie</translation>
    </message>
    <message>
        <source>Drag and Drop Tutorial</source>
        <translation>Przeciąganie i upuszczanie</translation>
    </message>
    <message>
        <source>Double Click Tutorial</source>
        <translation>Dwukrotne kliknięcie</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Powitanie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Vellumark banner</source>
        <translation>Baner Vellumark</translation>
    </message>
    <message>
        <source>Would you like more help?  Visit our web site:</source>
        <translation>Więcej pomocy na naszej stronie:</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Lekcje</translation>
    </message>
    <message>
        <source>Vellumark - Copy and Paste Tutorial</source>
        <translation>Vellumark – Kopiowanie i wklejanie</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Krok 1:</translation>
    </message>
    <message>
        <source>Put the mouse pointer just to the left of the capital &quot;H&quot; in the box below (marked &quot;#1&quot;), then press the left mouse button and hold it down.</source>
        <translation>Ustaw wskaźnik myszy tuż na lewo od wielkiej litery „O” w polu poniżej (znacznik „#1”), a potem naciśnij i przytrzymaj lewy przycisk myszy.</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Krok 2:</translation>
    </message>
    <message>
        <source>Keep holding the button and drag the mouse to the right and down until the pointer is just past the lowercase &quot;e&quot; of &quot;stop here&quot; (marked &quot;#2&quot;), then let go.  This is called &quot;Selecting Text&quot;.</source>
        <translation>Trzymając wciśnięty przycisk, przeciągnij mysz w prawo i w dół, aż wskaźnik znajdzie się tuż za małą literą „j” w słowach „zatrzymaj się tutaj” (znacznik „#2”), i puść przycisk. To jest „zaznaczanie tekstu”.</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Krok 3:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;c&quot; key once, then let go of both.  This is called &quot;Copying Text&quot;.</source>
        <translation>Przytrzymaj klawisz „Ctrl”, naciśnij raz klawisz „c”, a potem puść oba klawisze. To jest „kopiowanie tekstu”.</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Krok 4:</translation>
    </message>
    <message>
        <source>Click once inside the lower box.  This puts the insertion pointer (the blinking line) there.</source>
        <translation>Kliknij raz w dolnym polu. Pojawi się w nim kursor tekstowy (migająca kreska).</translation>
    </message>
    <message>
        <source>Step 5:</source>
        <translation>Krok 5:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;v&quot; key once, then let go of both.  This is called &quot;Pasting Text&quot;.</source>
        <translation>Przytrzymaj klawisz „Ctrl”, naciśnij raz klawisz „v”, a potem puść oba klawisze. To jest „wklejanie tekstu”.</translation>
    </message>
    <message>
        <source>Practice text</source>
        <translation>Tekst do ćwiczeń</translation>
    </message>
    <message>
        <source>Marker #1</source>
        <translation>Znacznik #1</translation>
    </message>
    <message>
        <source>Marker #2</source>
        <translation>Znacznik #2</translation>
    </message>
    <message>
        <source>Paste target</source>
        <translation>Pole do wklejania</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Vellumark - Double Click Tutorial</source>
        <translation>Vellumark – Dwukrotne kliknięcie</translation>
    </message>
    <message>
        <source>Move the mouse pointer over the red square below.</source>
        <translation>Ustaw wskaźnik myszy na czerwonym kwadracie poniżej.</translation>
    </message>
    <message>
        <source>Click and release the left mouse button, then click and release it again as quickly as you can.</source>
        <translation>Naciśnij i puść lewy przycisk myszy, a potem jak najszybciej naciśnij i puść go jeszcze raz.</translation>
    </message>
    <message>
        <source>Important Hints</source>
        <translation>Ważne wskazówki</translation>
    </message>
    <message>
        <source>Click twice in rapid succession and keep the mouse still between the two clicks.  This tutorial measures both: how fast you click and whether the mouse moved.</source>
        <translation>Kliknij dwa razy szybko jeden po drugim i nie ruszaj myszą między kliknięciami. Ta lekcja mierzy jedno i drugie: szybkość klikania i to, czy mysz się poruszyła.</translation>
    </message>
    <message>
        <source>Visualize It</source>
        <translation>Pokaz</translation>
    </message>
    <message>
        <source>Tick the &quot;Show Me&quot; box to watch the slowest double click that your computer still accepts.  Untick it to stop.</source>
        <translation>Zaznacz pole „Pokaż mi”, aby zobaczyć najwolniejsze dwukrotne kliknięcie, jakie komputer jeszcze rozpozna. Usuń zaznaczenie, aby przerwać.</translation>
    </message>
    <message>
        <source>Double-click target</source>
        <translation>Cel dwukrotnego kliknięcia</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Pokaż mi</translation>
    </message>
    <message>
        <source>Mouse, button pressed</source>
        <translation>Mysz, przycisk wciśnięty</translation>
    </message>
    <message>
        <source>Mouse, button released</source>
        <translation>Mysz, przycisk zwolniony</translation>
    </message>
    <message>
        <source>Vellumark - Drag and Drop Tutorial</source>
        <translation>Vellumark – Przeciąganie i upuszczanie</translation>
    </message>
    <message>
        <source>Put the mouse pointer over the item labeled &quot;Click and Drag Me&quot; in the tree below.</source>
        <translation>Ustaw wskaźnik myszy na elemencie „Kliknij i przeciągnij mnie” w drzewie poniżej.</translation>
    </message>
    <message>
        <source>Press the left mouse button and hold it down.  This begins the &quot;Drag&quot;.</source>
        <translation>Naciśnij i przytrzymaj lewy przycisk myszy. Tak zaczyna się „przeciąganie”.</translation>
    </message>
    <message>
        <source>Keep holding the button and move the mouse over &quot;Destination Folder&quot;.  Watch the see-through picture of the item follow the pointer.</source>
        <translation>Trzymając wciśnięty przycisk, przesuń mysz nad element „Folder docelowy”. Półprzezroczysty obraz elementu podąża za wskaźnikiem.</translation>
    </message>
    <message>
        <source>Let go of the button while the pointer is over &quot;Destination Folder&quot;.  This is the &quot;Drop&quot;.</source>
        <translation>Puść przycisk, gdy wskaźnik jest nad elementem „Folder docelowy”. To jest „upuszczenie”.</translation>
    </message>
    <message>
        <source>When it is all right to let go, the folder under the pointer is highlighted in dark blue.</source>
        <translation>Gdy można już puścić przycisk, folder pod wskaźnikiem jest podświetlony na ciemnoniebiesko.</translation>
    </message>
    <message>
        <source>Practice folders</source>
        <translation>Foldery do ćwiczeń</translation>
    </message>
    <message>
        <source>Overview:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Tutorial Status:</source>
        <translation>Stan lekcji:</translation>
    </message>
    <message>
        <source>Tutorial Status</source>
        <translation>Stan lekcji</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Lekcja</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
</TS>
