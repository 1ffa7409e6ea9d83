// The built-in texts of the spelling and copy-typing windows: our own writing, one line each.
// A body's sentences are split over source lines only to keep it readable; each string but the
// last ends in the single space that joins it to the next.
#include "textwork/sampletextcorpus.h"

namespace SampleTextCorpus {
// clang-format off
const Entry Entries[EntryCount] = {
    // 0 (Catalan)
    {"Al poble de la vall, la vella fleca obria abans que sortís el sol. "
     "La Berta, la fornera, encenia el forn de llenya i pastava el pa amb les mans ben blanques de farina. "
     "Els veïns baixaven amb la cistella buida i tornaven a casa amb dues barres calentes i una coca de vidre. "
     "Quan plovia, la botiga s'omplia de paraigües i de rialles, i el vidre de l'aparador s'entelava. "
     "Els nens de l'escola passaven corrent i demanaven un panet amb xocolata per berenar. "
     "La Berta els feia callar amb un gest perquè el seu gat dormia damunt dels sacs. "
     "A la tarda, quan la plaça ja era buida, escombrava el terra i comptava les monedes.",
     "Taller Taudrin"},
    // 1 (Catalan)
    {"El matí de la festa major, el carrer de baix es va despertar amb el soroll de la gralla i del tabal. "
     "Els gegants sortien de l'ajuntament, balancejant-se com dos vells amics que no s'han vist en tot l'any. "
     "Darrere seu venien els capgrossos, que feien córrer la mainada amunt i avall de la plaça. "
     "A les dotze, la colla castellera va aixecar un castell de set pisos, i quan l'enxaneta va fer l'aleta tots van aplaudir. "
     "Al vespre, les taules es van omplir de coques de recapte, d'allioli i de botifarra a la brasa. "
     "L'orquestra tocava sota els plàtans i les parelles ballaven fins que el cel s'encenia de focs. "
     "L'endemà el carrer tornava a ser tranquil, però encara feia olor de pólvora cremada i de sucre.",
     "Taller Taudrin"},
    // 2 (Catalan)
    {"El bosc de pins que envolta el poble canvia de color a cada estació. "
     "A la primavera, els marges s'omplen de ginesta groga i de farigola, i les abelles no paren de brunzir. "
     "A l'estiu, l'ombra dels arbres és un refugi per als caminants, que s'aturen a beure aigua fresca a la font del Roure. "
     "Quan arriba la tardor, la pluja fa néixer els bolets i les famílies surten amb cistelles i ganivets a buscar rovellons. "
     "A l'hivern, el vent del nord bufa fort, la boira cobreix els camps i les branques nues semblen dibuixos de tinta. "
     "Els guardes forestals vigilen que ningú no encengui foc i netegen els camins perquè els bombers hi puguin passar. "
     "Per a la gent del poble, el bosc és un tresor que cal cuidar entre tots, ara i sempre, perquè ningú no el faci malbé.",
     "Taller Taudrin"},
    // 3 (Catalan)
    {"La meva àvia viu en una casa vella amb un jardí ple de flors i un pou de pedra. "
     "Cada diumenge hi anem a dinar, i ella ens prepara una escudella amb pilota que fa venir gana només d'olorar-la. "
     "Després de dinar, m'asseu a la falda i m'explica històries de quan era petita i anava a l'escola amb esclops. "
     "Diu que llavors no hi havia televisió i que a la nit es reunien a la cuina, a la vora del foc, per escoltar la ràdio i fer mitja.",
     "Taller Taudrin"},
    // 4 (Catalan)
    {"Ahir al vespre, una tempesta d'estiu va deixar més de cinquanta litres d'aigua en menys d'una hora. "
     "Els carrers del centre es van convertir en rieres i els bombers van haver de treure l'aigua de molts soterranis. "
     "Al mercat municipal, el vent va arrencar el tendal d'una parada de fruita i les taronges van rodolar fins a la vorera. "
     "No hi va haver ferits, però l'escola del barri de dalt va suspendre les classes d'avui perquè el pati està ple de fang. "
     "Aquest matí, l'alcaldessa ha demanat amb molta insistència als veïns que no circulin per les carreteres de la muntanya fins que les brigades les revisin.",
     "Taller Taudrin"},
    // 5 (Catalan)
    {"El fuster del carrer Nou té les mans plenes de petites cicatrius i la camisa sempre coberta de serradura. "
     "Al seu taller hi ha serres, ribots, martells i caixes de claus de totes les mides. "
     "Fa cadires, taules i armaris, però el que més li agrada és arreglar mobles vells que la gent està a punt de llençar. "
     "Diu que cada fusta té el seu caràcter: el roure és dur i seriós, el pi és lleuger i el cirerer és dolç com la fruita. "
     "Si un aprenent li pregunta com es fa una bona feina, respon que cal paciència, un bon ull, molta calma i moltes ganes d'aprendre.",
     "Taller Taudrin"},
    // 6 (Catalan)
    {"A l'hora del pati, la Laia va trobar un ocellet caigut sota l'acàcia. "
     "Tenia les plomes molles i tremolava com una fulla. "
     "Amb molta cura, el va posar dins d'una capsa de sabates amb un drap vell i el va portar a la mestra. "
     "La mestra va dir que era una mallerenga jove que encara no sabia volar bé. "
     "Tota la classe va decidir cuidar-la: li donaven aigua amb un comptagotes i molles de pa. "
     "Al cap de tres dies, l'ocell va saltar a la finestra, va batre les ales i se'n va anar volant cap al bosc, mentre tots l'aplaudien.",
     "Taller Taudrin"},
    // 7 (Catalan)
    {"El peix arriba a la llotja cada tarda, quan les barques tornen de mar amb les gavines al darrere. "
     "Els mariners descarreguen les caixes de sardines, de lluços i de calamars, i les posen en fila damunt del terra mullat. "
     "La subhasta comença a les cinc en punt: els preus baixen en una pantalla i el primer comprador que prem el botó s'emporta el lot. "
     "Mentrestant, al moll, els més vells cusen les xarxes i parlen del temps, del vent de llevant i de la pesca d'abans. Al vespre, la llotja queda en silenci i només se sent el vaivé de l'aigua.",
     "Taller Taudrin"},
    // 8 (Catalan)
    {"Hi havia una vegada, en un poble petit de muntanya, un noi que es deia Biel i que tenia por de la foscor. "
     "Cada nit, quan la seva mare apagava el llum, ell veia ombres estranyes a les parets de l'habitació: un llop, un drac, una bruixa amb el nas llarg. "
     "Una nit d'hivern, la neu va tallar la llum de tot el poble i el Biel es va quedar sol a la cuina mentre els pares anaven a buscar espelmes a ca la veïna. "
     "Al principi va tancar els ulls ben fort, però al cap d'una estona va sentir curiositat i els va obrir a poc a poc. "
     "Per la finestra entrava la claror de la lluna, que feia brillar la neu com si fos plena de vidres petits. "
     "El gat de la casa s'hi va acostar, li va fregar les cames i es va posar a roncar. "
     "El Biel va entendre que la foscor no era plena de monstres, sinó de coses que ja coneixia i que, simplement, es veien d'una altra manera. "
     "Quan els pares van tornar amb les espelmes, el van trobar assegut a terra, amb el gat a la falda, comptant estels i rient com mai no l'havien vist.",
     nullptr},
    // 9 (Catalan)
    {"La cuina de la casa de pagès era la peça més gran i més càlida de totes. "
     "Tenia una llar de foc amb un banc de pedra a cada costat, una taula llarga de fusta fosca i una pica de marbre sota la finestra. "
     "De les bigues penjaven garlandes d'alls, de pebrots secs i de tomàquets de penjar, i a la lleixa hi havia olles de terrissa, gerres i morters. "
     "A l'hivern, la família hi passava les vetllades: l'avi trenava cistells de vímet, la mare cosia i els nens feien els deures a la llum del quinqué. "
     "A l'estiu, en canvi, la porta quedava oberta de bat a bat i hi entraven les gallines, el gos i l'olor de l'herba segada. A l'altre costat del pati, sota la parra, hi havia el forn del pa, que s'encenia cada dijous, i un safareig de pedra on les dones rentaven la roba.",
     "Taller Taudrin"},
    // 10 (Catalan)
    {"Els joves del barri han convertit un solar abandonat en un hort comunitari que ja dona enciams, cebes, mongetes i carbassons. "
     "La idea va néixer l'hivern passat, quan un grup d'estudiants de l'institut va proposar a l'ajuntament netejar el terreny. "
     "Durant tres caps de setmana, quaranta voluntaris van treure runa, van portar terra nova i van construir bancals amb fustes reciclades. "
     "Ara cada família té una parcel·la i s'encarrega de regar-la, però les eines, el compostador i la caseta són de tothom. "
     "Els divendres a la tarda, els avis del casal hi baixen a explicar com es planten els tomàquets i quan cal collir les faves. "
     "Els organitzadors volen fer una festa de la collita al setembre, amb una paella popular i música al carrer. També volen que l'hort serveixi a les escoles: els mestres hi podran portar els alumnes perquè vegin com creix una llavor i aprenguin a tenir cura de la terra.",
     "Taller Taudrin"},
    // 11 (Catalan)
    {"El ferrer del poble treballava en un taller fosc, ple de fum i de soroll, al costat del riu. "
     "Amb unes tenalles agafava el ferro roent, el posava damunt de l'enclusa i el picava amb el mall fins que prenia la forma d'una ferradura, d'una reixa o d'una eina. "
     "Les espurnes volaven com estrelles i els nens, des de la porta, miraven sense gosar entrar. "
     "Quan el ferro era a punt, el ficava dins d'una galleda d'aigua freda i sortia un núvol de vapor que xiulava com una serp. Al final de la jornada, el ferrer s'eixugava la suor del front, penjava el davantal i tancava la porta amb una clau gran i rovellada.",
     nullptr},
    // 12 (Catalan)
    {"A la platja, de bon matí, només hi ha les gavines, el soroll de les onades i un home que passeja el gos. "
     "La sorra encara és freda i humida, i a la vora de l'aigua hi ha petxines, algues i trossos de fusta que el mar ha deixat durant la nit. "
     "Més tard arriben les famílies amb para-sols, tovalloles i neveres, i els nens construeixen castells amb fossats que les onades esborren. "
     "Al migdia, la calor es fa sentir i tothom busca l'ombra o es llança a l'aigua. "
     "Quan el sol es pon, la platja es buida de nou i les barques dels pescadors surten cap a alta mar, amb els llums encesos damunt de l'aigua. Aleshores la platja torna a ser de les gavines.",
     "Taller Taudrin"},
    // 13 (Catalan)
    {"El mercat del dissabte ocupa tota la rambla, des de l'església fins a la plaça de la Vila. "
     "Hi ha parades de verdura, de fruita, de formatges i d'embotits, però també de roba, de sabates i d'eines per al jardí. "
     "Els pagesos de la comarca porten les cireres, les maduixes i els espàrrecs collits el dia abans. "
     "Els venedors criden els preus i els clients regategen, tasten i comparen abans de decidir-se. A migdia, quan les parades es desmunten, els escombriaires renten el terra i la rambla torna a ser un passeig tranquil amb coloms.",
     "Taller Taudrin"},
    // 14 (Catalan)
    {"La biblioteca del poble és petita, però té de tot: contes, novel·les, llibres de cuina, mapes i revistes. "
     "La bibliotecària coneix els gustos de cada lector i sempre té a punt una recomanació. "
     "Els dimecres a la tarda fa l'hora del conte per als més petits, que seuen a terra sobre uns coixins de colors. "
     "A l'hivern, la sala de lectura s'omple de gent gran que hi va a llegir el diari i a escalfar-se. Aquest curs, la biblioteca estrenarà un racó de jocs de taula i un club de lectura en veu alta per a joves.",
     nullptr},
    // 15 (Catalan)
    {"Quan el rellotge del campanar toca les vuit, el pati de l'escola s'omple de motxilles, de crits i de corredisses. "
     "Els més grans juguen a futbol a la pista del fons, mentre els petits s'enfilen al gronxador o fan pastissos de sorra. "
     "A les nou, el timbre sona i tothom fa cua davant de la porta, amb les galtes vermelles i els cordons desfets. "
     "A la classe de quart, la mestra escriu la data a la pissarra i pregunta qui vol llegir el conte del dia. "
     "Avui es tracta d'un rei que va perdre la corona dins d'un pou i d'una granota xerraire que la hi va tornar a canvi d'un bon lloc al palau. "
     "Els alumnes riuen, fan preguntes i, després, dibuixen la granota amb llapis de colors. "
     "A l'hora de plegar, cadascú s'emporta el dibuix a casa per ensenyar-lo a la família, i la mestra recull les llibretes, apaga els llums i tanca les finestres de l'aula.",
     "Taller Taudrin"},
    // 16 (Catalan)
    {"La cooperativa agrícola de la vila ha tancat la verema amb una collita rècord de raïm blanc. "
     "Segons els responsables, el bon temps de l'estiu i les pluges de la primavera han fet que el gra fos sa i dolç. "
     "Durant tres setmanes, més de dos-cents veremadors han treballat a les vinyes des de la matinada, amb tisores, galledes i remolcs. "
     "El most ja fermenta a les tines del celler, i els enòlegs preveuen un vi jove amb aroma de fruita i un punt d'acidesa. "
     "La cooperativa celebrarà la fi de la campanya el primer diumenge d'octubre amb una jornada de portes obertes, un tast de vins i una xocolatada per als més menuts. Els visitants podran recórrer les naus del celler, veure les premses antigues i comprar el vi nou.",
     "Redacció Taudrin"},
    // 17 (Catalan)
    {"L'esquirol del parc viu dalt d'un pi molt alt, en un niu fet de branques i de molsa. "
     "Cada matí baixa pel tronc a tota velocitat, amb la cua arquejada com un signe d'interrogació. "
     "Busca pinyons, avellanes, nous i glans, i els amaga sota les fulles per a l'hivern. "
     "Sovint s'oblida d'on els ha deixat, i així, sense voler-ho, planta nous arbres arreu del parc. Els jardiners diuen que és el seu millor ajudant, i els nens el saluden quan el veuen saltar de branca en branca.",
     "Taller Taudrin"},
    // 18 (Catalan)
    {"La modista del barri té la botiga en un entresòl, al capdamunt d'una escala estreta que grinyola a cada graó. "
     "Sobre la taula hi ha rotlles de roba, capses de botons, cintes mètriques i tisores de totes les mides. "
     "La màquina de cosir, negra i daurada, va ser de la seva mare, i encara funciona com el primer dia. "
     "Els clients li porten pantalons per escurçar, vestits per estrènyer i jaquetes amb la cremallera espatllada. "
     "Ella ho mira amb les ulleres a la punta del nas i sempre troba la manera d'arreglar-ho, encara que hagi de treballar fins tard.",
     "Taller Taudrin"},
    // 19 (Catalan)
    {"Al cim de la serra hi ha una ermita petita, blanca i solitària, on s'arriba per un camí de pedra que serpenteja entre alzines. "
     "Un cop l'any, el dilluns de Pasqua, la gent dels pobles del voltant hi puja en romeria. "
     "Els més joves hi van a peu des de l'alba, amb bastons i motxilles, i els grans hi arriben en tractor o en cotxe per la pista forestal. "
     "Després de la missa, les famílies s'escampen pel prat per menjar la mona i les truites que han portat de casa, mentre la cobla toca sardanes a l'era. Al capvespre, tothom baixa cansat i feliç, amb el sol de cara i les cistelles buides.",
     "Taller Taudrin"},
    // 20 (Catalan)
    {"La tardor havia arribat al poble sense fer soroll. "
     "Els castanyers del camí del molí s'havien tornat rossos, i les fulles queien a poc a poc damunt dels bassals. "
     "A la plaça, la castanyera havia muntat la parada de sempre, amb el fogonet, la paella foradada i els cucurutxos de paper de diari. "
     "Els nens s'hi aturaven a la sortida de l'escola, amb les mans glaçades, i compraven una dotzena de castanyes per repartir. "
     "La dona, abrigada amb un mocador de llana, remenava les castanyes amb una espàtula i explicava que el secret era fer-les a poc foc i no tenir pressa. "
     "Quan es feia fosc, el fum de la parada es barrejava amb la boira i tota la plaça feia olor de tardor, de llenya i de castanya torrada. Era l'olor que els grans coneixien bé.",
     "Taller Taudrin"},
    // 21 (Catalan)
    {"El Joan és paleta des de fa trenta anys i coneix cada racó de les cases del poble. "
     "Ha aixecat parets, ha arreglat teulades i ha posat rajoles a cuines i banys. "
     "Cada dia carrega la furgoneta amb sacs de ciment, maons, la paleta i el nivell. "
     "Diu que la feina més difícil és la d'enguixar un sostre, perquè el guix s'asseca de pressa i cau a la cara. "
     "La seva filla estudia arquitectura a la ciutat i, a l'estiu, l'acompanya a les obres per aprendre l'ofici des de baix. El Joan li ensenya a barrejar el morter, a fer servir la plomada i a col·locar bé cada peça, perquè una paret torta no té remei.",
     "Taller Taudrin"},
    // 22 (Catalan)
    {"El consell comarcal ha presentat el dijous el nou carril bici que unirà els quatre pobles de la vall seguint l'antiga via del tren. "
     "El recorregut tindrà uns vint-i-dos quilòmetres, serà pla i estarà separat de la carretera per una tanca de fusta. "
     "Les obres començaran el mes vinent i s'allargaran fins a la primavera, quan està previst que s'inauguri el tram complet. "
     "Al llarg del camí s'hi instal·laran bancs, fonts, plafons informatius sobre la flora i la fauna, i dues zones de pícnic a l'ombra dels pollancres. "
     "Els responsables del projecte confien que el carril serveixi tant per anar a la feina o a l'institut com per passejar o córrer els caps de setmana, i que atregui visitants que descobreixin els pobles i els seus productes. La inversió total supera els tres milions d'euros i la paguen entre la comarca i els quatre ajuntaments.",
     "Redacció Taudrin"},
    // 23 (Catalan)
    {"El far s'alça a la punta del cap, sobre unes roques negres on les onades rebenten amb força els dies de temporal. "
     "Durant molts anys hi va viure una família de faroners que tenia cura del llum, netejava els vidres i anotava en un quadern el pas de tots els vaixells. "
     "Ara el far funciona sol, amb una bombeta elèctrica i un rellotge que l'encén a la posta de sol, però l'antiga casa del faroner s'ha convertit en un petit museu. "
     "S'hi poden veure mapes antics, brúixoles, làmpades d'oli i fotografies de naufragis, i des del balcó es veu tota la badia. "
     "Els dies clars, els visitants s'entretenen mirant amb els prismàtics les barques de vela que passen davant de la costa i els dofins que de vegades les segueixen. El museu obre els caps de setmana i els dies de festa, i l'entrada és gratuïta per als menors de dotze anys i per a la gent del poble.",
     "Taller Taudrin"},
    // 24 (Catalan)
    {"Aquesta setmana, a la classe de ciències, hem fet un experiment amb llavors de mongeta. "
     "Cada alumne n'ha posat tres dins d'un got de vidre amb cotó moll i l'ha deixat a la finestra, vora el radiador. "
     "Al cap de dos dies, les llavors s'han inflat i se'ls ha obert la pell. "
     "El quart dia ha sortit una arrel blanca i prima que buscava l'aigua, i l'endemà, una tija corbada amb dues fulletes verdes. "
     "Tots hem dibuixat els canvis en una llibreta i hem mesurat la tija amb un regle cada matí. Divendres hem comparat els resultats: les mongetes que tenien més llum havien crescut més de pressa, i les que eren a l'armari eren altes però grogues.",
     "Taller Taudrin"},
    // 25 (Catalan)
    {"Al mig del bosc hi havia un estany de color verd fosc on vivia una colla de granotes molt xerraires. "
     "Cada vespre, quan el sol s'amagava darrere les muntanyes, començaven a cantar totes alhora, i el seu concert se sentia fins a la masia del camí. "
     "Un dia, una cigonya va aterrar a la vora de l'aigua amb les potes llargues i el bec ben vermell, i les granotes van callar de cop. "
     "La cigonya va mirar a banda i banda, va ficar el bec entre els joncs i es va menjar un cuc gras. "
     "Després va aixecar el cap, va fer un clac-clac amb el bec i se'n va anar volant. "
     "Les granotes, alleujades, van sortir a la superfície i van decidir que, a partir d'aquell dia, tindrien sempre una sentinella damunt d'una fulla de nenúfar. I així ho van fer: des d'aleshores, abans de cantar, sempre n'hi ha una de guàrdia que vigila el cel.",
     nullptr},
    // 26 (Catalan)
    {"El pastor puja el ramat a la muntanya a final de maig, quan la neu ja s'ha fos i els prats s'omplen d'herba tendra. "
     "Hi arriba després de tres dies de camí, amb els gossos d'atura que vigilen que cap ovella no es quedi enrere. "
     "Allà dalt viu en una cabana de pedra amb una llitera, una estufa i un prestatge amb quatre llibres. "
     "Cada matí muny les cabres, fa formatge fresc i el posa a assecar damunt d'uns canyissos. "
     "A la tarda, mentre el ramat pastura, seu a l'ombra d'un avet i talla figures de fusta amb la navalla. "
     "A la tardor baixa al poble amb les ovelles grasses, i la gent surt al carrer a veure passar el ramat. Els nens compten les ovelles, els gossos borden i el pastor, amb la barba llarga i el barret de palla, saluda tothom amb la mà alçada com si tornés d'un viatge.",
     "Taller Taudrin"},
    // 27 (Catalan)
    {"La gallina rossa pon cada matí un ou a la palla del corral, i la nena el va a buscar amb un cistell. "
     "A l'hivern en pon menys, perquè fa fred i els dies són curts. Quan en troba dos, la nena corre a la cuina i en fa una truita.",
     nullptr},
    // 28 (Catalan)
    {"La nit de Sant Joan, la plaça del poble s'omple de gent que espera l'arribada de la flama. "
     "Els joves de l'esplai la porten corrent des del cim de la muntanya amb torxes, i quan arriben encenen la foguera entre els aplaudiments de tothom. "
     "Al voltant del foc es reparteix coca de llardons i de pinyons, i els petits tiren petards amb l'ajuda dels pares. "
     "Més tard, la música omple els carrers i la gent balla fins a la matinada, perquè és la nit més curta de l'any. Els bombers vigilen que les guspires no arribin als arbres, i a primera hora del matí la brigada municipal escombra les cendres i el paper. Tothom diu que l'any vinent hi tornarà.",
     "Taller Taudrin"},
    // 29 (Catalan)
    {"La cuinera de l'escola arriba cada dia a les vuit per preparar el dinar de més de tres-cents alumnes. "
     "Primer renta les verdures, pela les patates i posa l'aigua a bullir en unes olles enormes. "
     "Els dilluns fa arròs amb tomàquet, els dimarts llenties estofades, i els divendres peix al forn amb amanida. "
     "Diu que els nens són els crítics més sincers del món: si una cosa no els agrada, el plat torna ple a la cuina. Per això, a l'hora del pati, va a les aules a preguntar què han trobat bo i què no. Aquest curs ha après a fer croquetes de verdures que fins i tot agraden als més llepafils, i la seva recepta de pollastre amb prunes ja és coneguda a tot el barri.",
     "Taller Taudrin"},
    // 30 (Catalan)
    {"Quan la Marta era petita, el seu avi l'acompanyava cada dissabte al port per veure arribar els vaixells. "
     "S'asseien en un banc de fusta, al costat d'una grua rovellada, i l'avi li explicava d'on venia cada càrrega: taronges, fusta, cotxes, sacs de cafè. "
     "La Marta es fixava en les banderes de colors i s'inventava el nom dels països que representaven. "
     "Un dia, un mariner d'un vaixell gran els va saludar des de la coberta i els va tirar una taronja, que l'avi va agafar al vol. "
     "La nena va riure tant que li van caure les llàgrimes. "
     "Anys més tard, la Marta va estudiar per ser capitana de la marina mercant, i ara és ella qui saluda des de la coberta quan entra a port. "
     "Sempre busca amb la mirada el banc de fusta, i de vegades hi veu un nen o una nena amb el seu avi, que l'assenyalen amb el dit. "
     "Aleshores agafa una taronja de la cambra de la cuina i la llança ben alt, tal com aquell mariner va fer per a ella. I mentre el vaixell s'allunya, pensa en l'avi.",
     "Taller Taudrin"},
    // 31 (Catalan)
    {"Quan neva, el poble es desperta en silenci. "
     "Els teulats, els cotxes i els bancs de la plaça queden coberts d'una capa blanca i tova que cruix sota les botes. "
     "Els nens surten corrent amb guants i bufanda a fer ninots de neu i batalles de boles, mentre els grans treuen les pales per netejar les voreres. "
     "El forner obre una mica més tard, però quan arriba, tothom fa cua per comprar pa calent i una tassa de xocolata desfeta. A la tarda, quan el sol escalfa una mica, els carrers es tornen un bassal de neu bruta i aigua, i a la nit tot es glaça. Els avis diuen que cal dur botes.",
     "Taller Taudrin"},
    // 32 (Catalan)
    {"El tren de via estreta que puja a la vall fa cent anys que circula, i aquest estiu ho celebra amb un viatge especial cada diumenge. "
     "La locomotora de vapor, restaurada per voluntaris de l'associació d'amics del ferrocarril, arrossega set vagons de fusta amb seients de vellut vermell. "
     "El trajecte dura una hora i quart i passa per dos túnels, un pont de ferro sobre el riu i una estació petita on el tren s'atura una estona. "
     "El revisor, vestit amb la gorra i la jaqueta d'abans, passa pels vagons tallant els bitllets amb unes tenalles. "
     "Els nens s'enganxen a les finestres per veure les vaques, els horts i els ponts, i els avis recorden els anys en què aquell tren era l'única manera d'arribar a la ciutat. "
     "Cal reservar els bitllets amb temps, perquè cada diumenge s'acaben en unes hores.",
     nullptr},
    // 33 (Catalan)
    {"Al celler de la masia hi feia fresca fins i tot a l'agost. "
     "Les bótes de roure s'arrenglaven a banda i banda, i a l'aire hi havia una olor de vi, de fusta i d'humitat. "
     "El masover baixava les escales amb un fanal i un càntir, omplia el càntir a l'aixeta d'una bóta i tornava a pujar sense vessar-ne ni una gota. "
     "A la tardor, quan arribava el raïm, tota la família trepitjava els gotims descalça dins d'un cup de pedra, entre cançons i rialles, mentre el most rajava per un broc cap a les gerres.",
     nullptr},
    // 34 (Catalan)
    {"La riera baixa plena després de les pluges de la setmana passada. "
     "L'aigua, tèrbola i veloç, arrossega branques, fulles i troncs, i fa un soroll fort que se sent des del pont. "
     "Els ànecs s'han refugiat en un racó tranquil sota els canyissars, i els pescadors esperen que l'aigua es torni clara per tornar a tirar la canya. Si no plou, diumenge ja hi podran anar.",
     nullptr},
    // 35 (Catalan)
    {"El rellotger de la plaça de l'Oli té una botiga estreta i ben fosca, plena de rellotges que fan tic-tac a ritmes diferents. "
     "N'hi ha de paret, de butxaca, de taula i de polsera, i un de cucut que canta cada mitja hora i fa saltar els clients. "
     "Ell treballa assegut darrere el taulell, amb una lupa enganxada a l'ull i unes pinces petitíssimes, desmuntant engranatges tan fins com un cabell. "
     "Diu que un rellotge és com un cor: si el cuides, no s'atura mai, i si el deixes de banda, un bon dia es para sense avisar. Per això, abans de tancar, els dona corda a tots.",
     nullptr},
    // 36 (Catalan)
    {"Ahir vam anar d'excursió al castell que hi ha dalt del turó, des d'on es veuen tots els pobles de la plana. "
     "Vam sortir de l'escola a les vuit amb l'autocar i vam fer l'últim tros a peu, per un camí costerut ple de pedres i arrels. "
     "La guia ens va explicar que el castell tenia més de mil anys, que els seus murs eren de pedra tallada a mà i que a la torre hi vivia un senyor amb els seus cavallers. "
     "Vam pujar per una escala de cargol molt estreta fins a dalt de tot i vam menjar l'entrepà mirant el paisatge. A la tornada, vam cantar cançons dins de l'autocar fins a l'escola.",
     nullptr},
    // 37 (Catalan)
    {"La fira de bestiar se celebra el primer dissabte de novembre al prat del costat del riu. "
     "Els ramaders hi porten vaques, cavalls, ases, porcs i gallines, i els visitants passegen entre els corrals preguntant preus i acariciant els animals. "
     "Els infants fan cua per pujar a un poni que dona voltes al prat, i a les parades es venen esquelles, cabestres, formatges i mel de la serra. Al migdia, al mateix prat, els ramaders fan una costellada enorme.",
     nullptr},
    // 38 (Catalan)
    {"La cigonya ha tornat al campanar de l'església, com cada any per aquestes dates. "
     "Ha arribat de l'Àfrica després d'un llarg viatge i ha començat a arreglar el niu, que és tan gran com una roda de carro. "
     "Els veïns l'observen des de la plaça amb interès, i el capellà diu que mentre hi hagi cigonyes al campanar el poble tindrà bona sort. "
     "Aviat hi haurà ous i, a l'estiu, petites cigonyes aprenent a volar damunt de les teulades.",
     nullptr},
    // 39 (Catalan)
    {"La sabateria del carrer Major tanca després de noranta-cinc anys oberta. "
     "La va obrir un avi del propietari actual, que hi feia espardenyes de cànem i botes per als pagesos, i ha passat de pares a fills durant tres generacions. "
     "Els darrers anys s'hi venien sobretot sabates de pell fetes a mà, sandàlies i botes de muntanya, i s'hi arreglaven talons, soles i cremalleres. "
     "L'amo explica que ja té setanta anys i que cap dels seus fills vol continuar el negoci, i que li sap molt de greu, perquè els clients són com una família. "
     "Aquests dies, la botiga liquida les existències amb rebaixes, i molts veïns hi passen per acomiadar-se i fer-se una foto davant de l'aparador.",
     nullptr},
    // 40 (Catalan)
    {"Al fons del jardí hi havia un rusc d'abelles que l'avi cuidava amb cura. "
     "Quan hi anava, es posava una careta de reixeta, uns guants gruixuts i encenia un fumador que calmava els insectes. "
     "Treia els bastidors un a un, plens de cel·les de cera daurada, i en raspava la mel amb un ganivet. "
     "Després la colava amb un drap i l'envasava en pots de vidre, que repartia entre els veïns i la família. "
     "A casa, aquella mel no faltava mai a l'esmorzar, sobre el pa torrat amb mantega, i el got de llet sempre feia olor de flor.",
     nullptr},
    // 41 (Catalan)
    {"La piscina municipal obrirà les portes aquest diumenge, amb l'aigua neta, la gespa tallada i un nou tobogan per als més petits. "
     "L'ajuntament ha aprofitat l'hivern per canviar les rajoles del fons, pintar els vestidors i instal·lar unes dutxes que funcionen amb energia solar. "
     "Enguany també s'oferiran cursets de natació per a infants a partir de cinc anys i classes de gimnàstica a l'aigua per a adults, al matí i al vespre. "
     "Els abonaments de temporada es poden comprar a l'oficina de turisme fins a final de juny, amb descompte per a famílies nombroses i per als jubilats.",
     nullptr},
    // 42 (Catalan)
    {"Quan bufa la tramuntana, les persianes baten contra les parets i els arbres de la rambla es dobleguen com si fessin una reverència. "
     "La gent camina encorbada, agafant-se el barret, i les barques no surten del port. "
     "Els vells diuen que aquest vent neteja el cel i també el cap, però que si dura massa dies torna tothom una mica boig. Aleshores només es pot esperar.",
     nullptr},
    // 43 (Catalan)
    {"El dia de la mona, el padrí va dur una capsa immensa lligada amb un llaç roig. "
     "A dins hi havia un pastís de xocolata amb un ou gegant al mig, plomes grogues, pollets de cartó i quatre figuretes que representaven els nets jugant a pilota. "
     "Els nens van cridar d'alegria i van córrer per un ganivet, però la mare els va fer esperar fins després de dinar. "
     "Aquella tarda, tots van acabar amb la cara i les mans plenes de xocolata, fins a les orelles.",
     nullptr},
    // 44 (Spanish)
    {"En lo alto del cerro hay un molino de viento que lleva más de cien años mirando a la llanura. "
     "Sus aspas, de madera y de lona, giraban antes sin descanso para moler el trigo de todo el valle, y los labradores subían con sus carros cargados de sacos. "
     "Hoy el molino ya no trabaja, pero el ayuntamiento lo ha restaurado con cuidado y lo ha convertido en un pequeño museo. "
     "Dentro se pueden ver las muelas de piedra, los engranajes de roble y una balanza antigua de hierro. "
     "Los fines de semana, una guía explica a los visitantes cómo funcionaba y, si sopla el viento, suelta las aspas para que vuelvan a girar durante unos minutos. "
     "Los niños aplauden, y los mayores se quedan callados, recordando los tiempos en que aún molía.",
     nullptr},
    // 45 (Spanish)
    {"La tormenta llegó de repente a media tarde, cuando el cielo todavía estaba azul sobre la aldea. "
     "Primero se levantó un viento frío que arrastró las hojas secas por la calle, luego se oyó un trueno lejano y, en unos minutos, empezó a llover con furia. "
     "Los vecinos cerraron las ventanas a toda prisa, recogieron la ropa tendida y metieron las sillas de la terraza. "
     "El agua bajaba por las cuestas como un río y llenaba los charcos de la plaza, donde los gorriones se habían escondido bajo los bancos. "
     "Una hora después, el sol volvió a salir y un arcoíris enorme cruzó el valle de lado a lado. Los niños salieron a saltar en los charcos.",
     nullptr},
    // 46 (Spanish)
    {"El panadero del barrio se levanta cada noche a las dos para encender el horno. "
     "Amasa la harina con agua, sal y levadura, deja reposar la masa bajo un paño limpio y, mientras tanto, prepara las magdalenas y los bollos. "
     "A las seis abre la persiana y la calle se llena de olor a pan recién hecho. "
     "Sus clientes más fieles son los obreros de la obra de enfrente, que compran barras calientes para el bocadillo, y las abuelas, que prefieren el pan de pueblo.",
     nullptr},
    // 47 (Spanish)
    {"La playa del pueblo se ha llenado este verano de voluntarios que recogen la basura que traen las olas. "
     "Cada sábado por la mañana, jóvenes, jubilados y familias enteras se reparten por la arena con guantes, bolsas y pinzas. "
     "Encuentran botellas de plástico, tapones, redes rotas, colillas y hasta zapatillas viejas. "
     "Al final de la jornada, lo pesan todo y lo separan para reciclarlo. "
     "Los organizadores explican que el objetivo no es solo limpiar, sino también que la gente tome conciencia de lo que tira al mar y de cómo eso afecta a los peces, a las tortugas y a las aves. Ya llevan más de tres toneladas.",
     nullptr},
    // 48 (Spanish)
    {"Mi abuelo era herrero y tenía el taller en un callejón junto a la iglesia. "
     "De pequeño, me sentaba en un taburete, cerca de la puerta, y lo miraba trabajar con la boca abierta. "
     "Él calentaba el hierro en la fragua hasta que se ponía rojo, y luego lo golpeaba con el martillo sobre el yunque, sacando chispas que volaban por todo el taller. "
     "Con aquellas manos grandes y llenas de callos hacía rejas, herraduras, clavos y bisagras. "
     "Cuando terminaba, me dejaba tocar las piezas ya frías y me decía que el hierro, como las personas, se hace fuerte con el fuego y el martillo.",
     nullptr},
    // 49 (Spanish)
    {"En el huerto de la escuela, los alumnos de cuarto han plantado lechugas, cebollas, judías y calabazas. "
     "Cada mañana, antes de entrar en clase, riegan las plantas con una regadera amarilla y arrancan las malas hierbas. "
     "La maestra les enseña a medir el crecimiento de los tallos y a anotar en un cuaderno el tiempo que hace. "
     "En junio, cuando llegue la cosecha, prepararán una ensalada para toda la escuela y venderán las calabazas en la feria.",
     nullptr},
    // 50 (Spanish)
    {"Cuando llega el invierno, las grullas cruzan el cielo en largas filas en forma de uve, llamándose unas a otras con un grito ronco que se oye desde muy lejos. "
     "Vienen del norte de Europa y buscan las lagunas y los campos de cereal del interior, donde pasan los meses fríos comiendo bellotas y grano. "
     "En la laguna del pueblo se reúnen por la tarde miles de ellas, y los amantes de las aves se acercan con prismáticos y cámaras de fotos para verlas llegar. "
     "Al atardecer, el cielo se llena de alas y de voces, y el espectáculo es tan bonito que nadie quiere marcharse. En febrero, con los días más largos, regresan al norte.",
     nullptr},
    // 51 (Spanish)
    {"El mercado de abastos abre sus puertas a las siete, cuando la ciudad todavía bosteza. "
     "Los pescaderos colocan sobre el hielo merluzas, sardinas, gambas y mejillones, y los fruteros apilan naranjas, manzanas y pimientos en pirámides de colores. "
     "En el puesto de los quesos hay cuñas curadas, tiernas y de cabra, y la dueña ofrece trocitos para probar a quien pasa. "
     "A media mañana, el mercado es un hervidero de voces, carros de la compra y bolsas llenas. "
     "Los vendedores conocen a sus clientes por el nombre y saben lo que se van a llevar antes de que lo pidan. "
     "Al mediodía bajan las persianas, barren los pasillos y el silencio vuelve a las naves. Solo quedan los gatos, que buscan sobras entre las cajas vacías.",
     nullptr},
    // 52 (Spanish)
    {"Había una vez una tortuga que vivía en un jardín lleno de flores y que soñaba con ver el mar. "
     "Todas las mañanas le preguntaba a la golondrina, que volaba lejos, cómo era el agua salada, y la golondrina le hablaba de olas, de barcos y de peces de colores. "
     "Un día, la tortuga decidió ir a verlo con sus propios ojos. "
     "Salió por un agujero de la valla y caminó despacio durante días, cruzando caminos, bosques y campos de trigo. "
     "Por el camino conoció a un erizo, a una rana y a un caracol que viajaba todavía más lento que ella, y todos quisieron acompañarla. "
     "Por fin, una mañana de niebla, oyeron un rumor grave y profundo y olieron la sal en el aire. "
     "Subieron una duna y allí estaba el mar, azul y enorme, brillando bajo el sol. "
     "La tortuga se quedó callada mucho rato y pensó que el viaje había valido la pena.",
     nullptr},
    // 53 (Spanish)
    {"El carpintero del pueblo trabaja en un taller que huele a serrín y a barniz. "
     "Allí fabrica mesas, sillas, puertas y ventanas, y también juguetes de madera para los niños del barrio: caballitos, trenes y peonzas de todos los colores. "
     "Utiliza sierras, cepillos, lijas y gubias que heredó de su abuelo, y cuenta que cada herramienta tiene su manera de hablar. "
     "Cuando un cliente le encarga un mueble, primero lo dibuja a lápiz en un papel y después elige con cuidado la madera que mejor le conviene: pino, nogal, haya o castaño. Su orgullo es una cuna de cerezo.",
     nullptr},
    // 54 (Spanish)
    {"La fiesta mayor del pueblo empieza siempre con el chupinazo desde el balcón del ayuntamiento. "
     "En ese momento, la plaza se llena de gente vestida de blanco con pañuelos rojos, y la banda de música toca el pasodoble que todos conocen. "
     "Durante una semana hay pasacalles, verbenas, concursos de paellas y carreras de sacos para los niños. "
     "Los gigantes y cabezudos recorren las calles bailando, y los pequeños corren delante de ellos entre gritos y risas. "
     "Por la noche, las peñas sacan las mesas a la calle y cenan juntas hasta las tantas, mientras la orquesta toca en el escenario de la plaza. "
     "El último día, a medianoche, se lanzan los fuegos artificiales desde la colina del castillo, y el cielo se llena de palmeras de luz. "
     "Cuando la última chispa se apaga, la gente canta una canción de despedida y se abraza, sabiendo que queda un año entero para volver a empezar.",
     nullptr},
};

const char* const ExtraCatalanText =
    "Al capvespre, quan els últims raigs de sol dauraven les teulades, l'Arnau pujava al terrat amb el seu quadern de tapes blaves. "
    "Hi apuntava tot el que havia vist durant el dia: el color del cel, el vol de les orenetes, el soroll de la serradora del fuster, la cançó que xiulava el carter i les paraules noves que havia après a l'escola. "
    "La seva germana gran deia que allò era una pèrdua de temps, però ell sabia que aquelles pàgines eren un tresor. "
    "Quan plovia, llegia en veu baixa les notes dels mesos passats i s'adonava que el poble canviava a poc a poc, com canvien els arbres o les persones. "
    "Un dia, la mestra li va demanar si podia llegir-ne un tros davant de la classe. "
    "L'Arnau es va posar vermell com un tomàquet, però va obrir el quadern i va començar. "
    "Tothom va escoltar en silenci, i quan va acabar, els companys li van demanar que continués escrivint i que, algun dia, en fes un llibre amb tapes dures.";
// clang-format on
} // namespace SampleTextCorpus
