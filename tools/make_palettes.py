#!/usr/bin/env python3
"""Writes the palette files that ship with the program into data/palette/.

Every palette is a closed loop, so rotating it shows no seam where the last
colour meets the first: either key colours blended around a loop with a cosine
ease, a map that loops by design, or a one-way map mirrored (there and back).
Dark gaps fade in and out over several entries, never jump.

Sources of the colour maps:
- FIRE, ICE, SUNSET, EMERALD, VIOLET, AMBER, CRIMSON, OCEAN, NEON, STROBE,
  EMBERS and AURORA: key colours chosen for this program.
- RAINBOW and PASTEL: the HSV hue circle, at full and at low saturation.
- VIRIDIS, MAGMA, INFERNO and PLASMA: the matplotlib colour maps by Nathaniel
  J. Smith, Stefan van der Walt and (viridis) Eric Firing, released under the
  CC0 licence / public domain dedication. Data: matplotlib, lib/matplotlib/_cm_listed.py.
- CIVIDIS: the matplotlib colour map by Jamie R. Nuñez, Christopher R. Anderton
  and Ryan S. Renslow ("Optimizing colormaps with consideration for color vision
  deficiency", PLOS ONE 13(7), 2018), as matplotlib ships it in the same file
  under the matplotlib licence (Copyright (c) 2012- Matplotlib Development
  Team; All Rights Reserved).
- TWILIGHT: the cyclic matplotlib colour map by Bastian Bechtold, from the same
  file and under the matplotlib licence. It loops by design.
- CUBEHELIX: D. A. Green's cube-helix formula ("A colour scheme for the display
  of astronomical intensity images", Bull. Astr. Soc. India 39, 289, 2011) with
  his default start 0.5, rotations -1.5, hue 1 and gamma 1.
The matplotlib data below are those tables rounded to 8 bits per channel,
every entry kept; colours between entries are interpolated linearly.

Run from anywhere: python3 tools/make_palettes.py
"""

import colorsys
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "data", "palette")

# matplotlib's tables, rounded to 8 bits (see the sources above).
VIRIDIS = """
440154 440256 450457 450559 46075a 46085c 460a5d 460b5e 470d60 470e61 471063 471164
471365 481467 481668 481769 48186a 481a6c 481b6d 481c6e 481d6f 481f70 482071 482173
482374 482475 482576 482677 482878 482979 472a7a 472c7a 472d7b 472e7c 472f7d 46307e
46327e 46337f 463480 453581 453781 453882 443983 443a83 443b84 433d84 433e85 423f85
424086 424186 414287 414487 404588 404688 3f4788 3f4889 3e4989 3e4a89 3e4c8a 3d4d8a
3d4e8a 3c4f8a 3c508b 3b518b 3b528b 3a538b 3a548c 39558c 39568c 38588c 38598c 375a8c
375b8d 365c8d 365d8d 355e8d 355f8d 34608d 34618d 33628d 33638d 32648e 32658e 31668e
31678e 31688e 30698e 306a8e 2f6b8e 2f6c8e 2e6d8e 2e6e8e 2e6f8e 2d708e 2d718e 2c718e
2c728e 2c738e 2b748e 2b758e 2a768e 2a778e 2a788e 29798e 297a8e 297b8e 287c8e 287d8e
277e8e 277f8e 27808e 26818e 26828e 26828e 25838e 25848e 25858e 24868e 24878e 23888e
23898e 238a8d 228b8d 228c8d 228d8d 218e8d 218f8d 21908d 21918c 20928c 20928c 20938c
1f948c 1f958b 1f968b 1f978b 1f988b 1f998a 1f9a8a 1e9b8a 1e9c89 1e9d89 1f9e89 1f9f88
1fa088 1fa188 1fa187 1fa287 20a386 20a486 21a585 21a685 22a785 22a884 23a983 24aa83
25ab82 25ac82 26ad81 27ad81 28ae80 29af7f 2ab07f 2cb17e 2db27d 2eb37c 2fb47c 31b57b
32b67a 34b679 35b779 37b878 38b977 3aba76 3bbb75 3dbc74 3fbc73 40bd72 42be71 44bf70
46c06f 48c16e 4ac16d 4cc26c 4ec36b 50c46a 52c569 54c568 56c667 58c765 5ac864 5cc863
5ec962 60ca60 63cb5f 65cb5e 67cc5c 69cd5b 6ccd5a 6ece58 70cf57 73d056 75d054 77d153
7ad151 7cd250 7fd34e 81d34d 84d44b 86d549 89d548 8bd646 8ed645 90d743 93d741 95d840
98d83e 9bd93c 9dd93b a0da39 a2da37 a5db36 a8db34 aadc32 addc30 b0dd2f b2dd2d b5de2b
b8de29 bade28 bddf26 c0df25 c2df23 c5e021 c8e020 cae11f cde11d d0e11c d2e21b d5e21a
d8e219 dae319 dde318 dfe318 e2e418 e5e419 e7e419 eae51a ece51b efe51c f1e51d f4e61e
f6e620 f8e621 fbe723 fde725
"""

MAGMA = """
000004 010005 010106 010108 020109 02020b 02020d 03030f 030312 040414 050416 060518
06051a 07061c 08071e 090720 0a0822 0b0924 0c0926 0d0a29 0e0b2b 100b2d 110c2f 120d31
130d34 140e36 150e38 160f3b 180f3d 19103f 1a1042 1c1044 1d1147 1e1149 20114b 21114e
221150 241253 251255 271258 29115a 2a115c 2c115f 2d1161 2f1163 311165 331067 341069
36106b 38106c 390f6e 3b0f70 3d0f71 3f0f72 400f74 420f75 440f76 451077 471078 491078
4a1079 4c117a 4e117b 4f127b 51127c 52137c 54137d 56147d 57157e 59157e 5a167e 5c167f
5d177f 5f187f 601880 621980 641a80 651a80 671b80 681c81 6a1c81 6b1d81 6d1d81 6e1e81
701f81 721f81 732081 752181 762181 782281 792282 7b2382 7c2382 7e2482 802582 812581
832681 842681 862781 882781 892881 8b2981 8c2981 8e2a81 902a81 912b81 932b80 942c80
962c80 982d80 992d80 9b2e7f 9c2e7f 9e2f7f a02f7f a1307e a3307e a5317e a6317d a8327d
aa337d ab337c ad347c ae347b b0357b b2357b b3367a b5367a b73779 b83779 ba3878 bc3978
bd3977 bf3a77 c03a76 c23b75 c43c75 c53c74 c73d73 c83e73 ca3e72 cc3f71 cd4071 cf4070
d0416f d2426f d3436e d5446d d6456c d8456c d9466b db476a dc4869 de4968 df4a68 e04c67
e24d66 e34e65 e44f64 e55064 e75263 e85362 e95462 ea5661 eb5760 ec5860 ed5a5f ee5b5e
ef5d5e f05f5e f1605d f2625d f2645c f3655c f4675c f4695c f56b5c f66c5c f66e5c f7705c
f7725c f8745c f8765c f9785d f9795d f97b5d fa7d5e fa7f5e fa815f fb835f fb8560 fb8761
fc8961 fc8a62 fc8c63 fc8e64 fc9065 fd9266 fd9467 fd9668 fd9869 fd9a6a fd9b6b fe9d6c
fe9f6d fea16e fea36f fea571 fea772 fea973 feaa74 feac76 feae77 feb078 feb27a feb47b
feb67c feb77e feb97f febb81 febd82 febf84 fec185 fec287 fec488 fec68a fec88c feca8d
fecc8f fecd90 fecf92 fed194 fed395 fed597 fed799 fed89a fdda9c fddc9e fddea0 fde0a1
fde2a3 fde3a5 fde5a7 fde7a9 fde9aa fdebac fcecae fceeb0 fcf0b2 fcf2b4 fcf4b6 fcf6b8
fcf7b9 fcf9bb fcfbbd fcfdbf
"""

INFERNO = """
000004 010005 010106 010108 02010a 02020c 02020e 030210 040312 040314 050417 060419
07051b 08051d 09061f 0a0722 0b0724 0c0826 0d0829 0e092b 10092d 110a30 120a32 140b34
150b37 160b39 180c3c 190c3e 1b0c41 1c0c43 1e0c45 1f0c48 210c4a 230c4c 240c4f 260c51
280b53 290b55 2b0b57 2d0b59 2f0a5b 310a5c 320a5e 340a5f 360961 380962 390963 3b0964
3d0965 3e0966 400a67 420a68 440a68 450a69 470b6a 490b6a 4a0c6b 4c0c6b 4d0d6c 4f0d6c
510e6c 520e6d 540f6d 550f6d 57106e 59106e 5a116e 5c126e 5d126e 5f136e 61136e 62146e
64156e 65156e 67166e 69166e 6a176e 6c186e 6d186e 6f196e 71196e 721a6e 741a6e 751b6e
771c6d 781c6d 7a1d6d 7c1d6d 7d1e6d 7f1e6c 801f6c 82206c 84206b 85216b 87216b 88226a
8a226a 8c2369 8d2369 8f2469 902568 922568 932667 952667 972766 982766 9a2865 9b2964
9d2964 9f2a63 a02a63 a22b62 a32c61 a52c60 a62d60 a82e5f a92e5e ab2f5e ad305d ae305c
b0315b b1325a b3325a b43359 b63458 b73557 b93556 ba3655 bc3754 bd3853 bf3952 c03a51
c13a50 c33b4f c43c4e c63d4d c73e4c c83f4b ca404a cb4149 cc4248 ce4347 cf4446 d04545
d24644 d34743 d44842 d54a41 d74b3f d84c3e d94d3d da4e3c db503b dd513a de5238 df5337
e05536 e15635 e25734 e35933 e45a31 e55c30 e65d2f e75e2e e8602d e9612b ea632a eb6429
eb6628 ec6726 ed6925 ee6a24 ef6c23 ef6e21 f06f20 f1711f f1731d f2741c f3761b f37819
f47918 f57b17 f57d15 f67e14 f68013 f78212 f78410 f8850f f8870e f8890c f98b0b f98c0a
f98e09 fa9008 fa9207 fa9407 fb9606 fb9706 fb9906 fb9b06 fb9d07 fc9f07 fca108 fca309
fca50a fca60c fca80d fcaa0f fcac11 fcae12 fcb014 fcb216 fcb418 fbb61a fbb81d fbba1f
fbbc21 fbbe23 fac026 fac228 fac42a fac62d f9c72f f9c932 f9cb35 f8cd37 f8cf3a f7d13d
f7d340 f6d543 f6d746 f5d949 f5db4c f4dd4f f4df53 f4e156 f3e35a f3e55d f2e661 f2e865
f2ea69 f1ec6d f1ed71 f1ef75 f1f179 f2f27d f2f482 f3f586 f3f68a f4f88e f5f992 f6fa96
f8fb9a f9fc9d fafda1 fcffa4
"""

PLASMA = """
0d0887 100788 130789 16078a 19068c 1b068d 1d068e 20068f 220690 240691 260591 280592
2a0593 2c0594 2e0595 2f0596 310597 330597 350498 370499 38049a 3a049a 3c049b 3e049c
3f049c 41049d 43039e 44039e 46039f 48039f 4903a0 4b03a1 4c02a1 4e02a2 5002a2 5102a3
5302a3 5502a4 5601a4 5801a4 5901a5 5b01a5 5c01a6 5e01a6 6001a6 6100a7 6300a7 6400a7
6600a7 6700a8 6900a8 6a00a8 6c00a8 6e00a8 6f00a8 7100a8 7201a8 7401a8 7501a8 7701a8
7801a8 7a02a8 7b02a8 7d03a8 7e03a8 8004a8 8104a7 8305a7 8405a7 8606a6 8707a6 8808a6
8a09a5 8b0aa5 8d0ba5 8e0ca4 8f0da4 910ea3 920fa3 9410a2 9511a1 9613a1 9814a0 99159f
9a169f 9c179e 9d189d 9e199d a01a9c a11b9b a21d9a a31e9a a51f99 a62098 a72197 a82296
aa2395 ab2494 ac2694 ad2793 ae2892 b02991 b12a90 b22b8f b32c8e b42e8d b52f8c b6308b
b7318a b83289 ba3388 bb3488 bc3587 bd3786 be3885 bf3984 c03a83 c13b82 c23c81 c33d80
c43e7f c5407e c6417d c7427c c8437b c9447a ca457a cb4679 cc4778 cc4977 cd4a76 ce4b75
cf4c74 d04d73 d14e72 d24f71 d35171 d45270 d5536f d5546e d6556d d7566c d8576b d9586a
da5a6a da5b69 db5c68 dc5d67 dd5e66 de5f65 de6164 df6263 e06363 e16462 e26561 e26660
e3685f e4695e e56a5d e56b5d e66c5c e76e5b e76f5a e87059 e97158 e97257 ea7457 eb7556
eb7655 ec7754 ed7953 ed7a52 ee7b51 ef7c51 ef7e50 f07f4f f0804e f1814d f1834c f2844b
f3854b f3874a f48849 f48948 f58b47 f58c46 f68d45 f68f44 f79044 f79143 f79342 f89441
f89540 f9973f f9983e f99a3e fa9b3d fa9c3c fa9e3b fb9f3a fba139 fba238 fca338 fca537
fca636 fca835 fca934 fdab33 fdac33 fdae32 fdaf31 fdb130 fdb22f fdb42f fdb52e feb72d
feb82c feba2c febb2b febd2a febe2a fec029 fdc229 fdc328 fdc527 fdc627 fdc827 fdca26
fdcb26 fccd25 fcce25 fcd025 fcd225 fbd324 fbd524 fbd724 fad824 fada24 f9dc24 f9dd25
f8df25 f8e125 f7e225 f7e425 f6e626 f6e826 f5e926 f5eb27 f4ed27 f3ee27 f3f027 f2f227
f1f426 f1f525 f0f724 f0f921
"""

CIVIDIS = """
00224e 00234f 002451 002553 002554 002656 002758 002859 00285b 00295d 002a5f 002a61
002b62 002c64 002c66 002d68 002e6a 002e6c 002f6d 00306f 003070 003170 003171 013271
053371 083370 0c3470 0f3570 123570 143670 163770 18376f 1a386f 1c396f 1e3a6f 203a6f
213b6e 233c6e 243c6e 263d6e 273e6e 293f6e 2a3f6d 2b406d 2d416d 2e416d 2f426d 31436d
32436d 33446d 34456c 35456c 36466c 38476c 39486c 3a486c 3b496c 3c4a6c 3d4a6c 3e4b6c
3f4c6c 404c6c 414d6c 424e6c 434e6c 444f6c 45506c 46516c 47516c 48526c 49536c 4a536c
4b546c 4c556c 4d556c 4e566c 4f576c 50576c 51586d 52596d 535a6d 545a6d 555b6d 555c6d
565c6d 575d6d 585e6d 595e6e 5a5f6e 5b606e 5c616e 5d616e 5e626e 5e636f 5f636f 60646f
61656f 62656f 636670 646770 656870 656870 666970 676a71 686a71 696b71 6a6c71 6b6d72
6c6d72 6c6e72 6d6f72 6e6f73 6f7073 707173 717274 727274 727374 737475 747475 757575
767676 777776 777777 787877 797977 7a7a78 7b7a78 7c7b78 7d7c78 7e7c78 7e7d78 7f7e78
807f78 817f78 828079 838179 848279 858279 868379 878478 888578 898578 8a8678 8b8778
8c8878 8d8878 8e8978 8f8a78 908b78 918b78 928c78 928d78 938e78 948e77 958f77 969077
979177 989277 999277 9a9376 9b9476 9c9576 9d9576 9e9676 9f9775 a09875 a19975 a29975
a39a74 a49b74 a59c74 a69c74 a79d73 a89e73 a99f73 aaa073 aba072 aca172 ada272 aea371
afa471 b0a571 b1a570 b3a670 b4a76f b5a86f b6a96f b7a96e b8aa6e b9ab6d baac6d bbad6d
bcae6c bdae6c beaf6b bfb06b c0b16a c1b26a c2b369 c3b369 c4b468 c5b568 c6b667 c7b767
c8b866 c9b965 cbb965 ccba64 cdbb63 cebc63 cfbd62 d0be62 d1bf61 d2c060 d3c05f d4c15f
d5c25e d6c35d d7c45c d9c55c dac65b dbc75a dcc859 ddc858 dec958 dfca57 e0cb56 e1cc55
e2cd54 e4ce53 e5cf52 e6d051 e7d150 e8d24f e9d34e ead34c ebd44b edd54a eed649 efd748
f0d846 f1d945 f2da44 f3db42 f5dc41 f6dd3f f7de3e f8df3c f9e03a fbe138 fce236 fde334
fee434 fee535 fee636 fee838
"""

TWILIGHT = """
e2d9e2 e1d9e2 e1d9e2 e0d9e2 e0d9e2 dfd9e1 ded9e1 ded9e1 ddd9e0 dcd9e0 dcd9df dbd8df
dad8df d9d8de d8d8de d7d7dd d6d7dd d5d6dc d4d6dc d3d6db d2d5db d1d5da d0d4d9 ced3d9
cdd3d8 ccd2d8 cbd2d7 c9d1d7 c8d0d6 c7d0d5 c5cfd5 c4ced4 c2ced4 c1cdd3 bfccd3 beccd2
bccbd1 bbcad1 b9c9d0 b8c9d0 b6c8cf b5c7cf b3c6ce b2c6ce b0c5cd afc4cd adc3cd acc2cc
aac2cc a9c1cb a7c0cb a6bfca a4beca a3beca a1bdc9 a0bcc9 9ebbc9 9dbac8 9cb9c8 9ab8c8
99b8c8 97b7c7 96b6c7 95b5c7 93b4c6 92b3c6 91b2c6 8fb1c6 8eb1c5 8db0c5 8cafc5 8aaec5
89adc5 88acc4 87abc4 86aac4 85a9c4 84a8c4 82a7c3 81a6c3 80a5c3 7fa5c3 7ea4c3 7da3c3
7ca2c2 7ba1c2 7aa0c2 799fc2 789ec2 779dc2 769cc1 769bc1 759ac1 7499c1 7398c1 7297c1
7196c1 7195c0 7094c0 6f93c0 6e92c0 6e91c0 6d90c0 6c8fbf 6c8ebf 6b8dbf 6b8cbf 6a8bbf
698abf 6989be 6888be 6887be 6786be 6785be 6684bd 6683bd 6682bd 6580bd 657fbd 647ebc
647dbc 647cbc 637bbc 637abb 6379bb 6278bb 6277bb 6276ba 6275ba 6173ba 6172ba 6171b9
6170b9 616fb9 606eb8 606db8 606cb8 606ab7 6069b7 6068b6 6067b6 6066b6 5f65b5 5f64b5
5f62b4 5f61b4 5f60b4 5f5fb3 5f5eb3 5f5db2 5f5bb2 5f5ab1 5f59b1 5f58b0 5f57b0 5f55af
5e54ae 5e53ae 5e52ad 5e51ad 5e4fac 5e4eab 5e4dab 5e4caa 5e4ba9 5e49a9 5e48a8 5e47a7
5e46a6 5e45a6 5e43a5 5d42a4 5d41a3 5d40a2 5d3ea1 5d3da1 5d3ca0 5d3b9f 5d3a9e 5c389d
5c379c 5c369b 5c359a 5c3499 5b3298 5b3196 5b3095 5b2f94 5a2e93 5a2d92 5a2b90 592a8f
59298e 59288d 58278b 58268a 572588 572487 572385 562284 562182 552081 551f7f 541e7e
531e7c 531d7a 521c79 511b77 511a75 501a74 4f1972 4f1970 4e186f 4d176d 4c176b 4c1669
4b1668 4a1566 491564 481563 471461 47145f 46145e 45135c 44135a 431359 421257 411256
411254 401253 3f1251 3e1150 3d114e 3d114d 3c114b 3b114a 3a1149 3a1148 391146 381145
371144 371143 361142 361141 351140 34113f 34113e 33113d 33113c 32123b 32123a 31123a
311339 301338 301437 2f1436 301437 311337 311337 321237 331237 331237 341238 341238
351138 361138 361139 371139 381139 39113a 3a113a 3a113a 3b113b 3c113b 3d113c 3e113c
3f123d 40123d 41123d 42123e 43123e 44123f 461240 471340 481341 491341 4a1342 4b1342
4d1443 4e1443 4f1444 501444 521545 531545 541546 561546 571647 581647 591648 5b1648
5c1749 5d1749 5f174a 60184a 61184b 63184b 64194b 65194c 67194c 681a4d 691a4d 6b1b4d
6c1b4e 6d1b4e 6f1c4e 701c4e 711d4f 721d4f 741e4f 751e4f 761f4f 781f4f 792050 7a2050
7b2150 7d2150 7e2250 7f2350 802350 812450 832550 842550 852650 862750 872750 882850
8a2950 8b2a50 8c2a50 8d2b50 8e2c50 8f2d50 902e50 912f50 922f50 933050 943150 953250
963350 973450 983550 993650 9a3750 9b3850 9c3950 9d3a50 9e3b50 9f3c50 a03d50 a03e50
a13f50 a24050 a34150 a44250 a54350 a54450 a64550 a74650 a84750 a94850 a94950 aa4a50
ab4b50 ac4c50 ac4d51 ad4e51 ae5051 af5151 af5251 b05351 b15452 b15552 b25652 b35752
b35953 b45a53 b55b53 b55c54 b65d54 b65e54 b75f55 b86155 b86255 b96356 b96456 ba6557
ba6657 bb6857 bb6958 bc6a58 bc6b59 bd6c5a bd6e5a be6f5b be705b bf715c bf725d c0745d
c0755e c0765f c1775f c17960 c27a61 c27b62 c27c63 c37d63 c37f64 c48065 c48166 c48267
c58468 c58569 c5866a c6876b c6896c c68a6d c68b6e c78c6f c78e71 c78f72 c89073 c89174
c89275 c89477 c99578 c99679 c9977b ca997c ca9a7d ca9b7f ca9c80 cb9d82 cb9f83 cba085
cca186 cca287 cca389 cca58b cda68c cda78e cda88f cea991 ceab92 ceac94 cfad96 cfae97
cfaf99 d0b09b d0b29c d0b39e d1b4a0 d1b5a1 d1b6a3 d2b7a5 d2b8a7 d3b9a8 d3baaa d4bcac
d4bdad d4beaf d5bfb1 d5c0b3 d6c1b4 d6c2b6 d7c3b8 d7c4b9 d8c5bb d8c6bd d8c7be d9c8c0
d9c9c2 dacac3 dacbc5 dbcbc6 dbccc8 dccdca dccecb dccfcd ddd0ce ddd0cf ddd1d1 ded2d2
ded3d3 ded3d4 dfd4d6 dfd4d7 dfd5d8 e0d6d9 e0d6da e0d7da e0d7db e1d7dc e1d8dd e1d8de
e1d8df e2d8df e2d9e0 e2d9e1 e2d9e1 e2d9e2
"""



def loop_of_keys(keys, count):
    """count colours around the closed loop of keys, evenly spaced."""
    colours = []
    for i in range(count):
        position = i * len(keys) / count
        index = int(position)
        fraction = position - index
        ease = (1 - math.cos(fraction * math.pi)) / 2
        start, end = keys[index], keys[(index + 1) % len(keys)]
        colours.append(tuple(round(a + (b - a) * ease) for a, b in zip(start, end)))
    return colours


def loop_of_timed_keys(keys):
    """Key colours with the number of entries each takes to reach the next one,
    the last leading back to the first; unequal spans give long dark gaps and
    short flashes."""
    colours = []
    for index, (start, steps) in enumerate(keys):
        end = keys[(index + 1) % len(keys)][0]
        for step in range(steps):
            ease = (1 - math.cos(step / steps * math.pi)) / 2
            colours.append(tuple(round(a + (b - a) * ease) for a, b in zip(start, end)))
    return colours


def hue_circle(count, saturation=1.0):
    colours = []
    for i in range(count):
        red, green, blue = colorsys.hsv_to_rgb(i / count, saturation, 1.0)
        colours.append((round(red * 255), round(green * 255), round(blue * 255)))
    return colours


def listed_map(table):
    """The colours of a table of "rrggbb" entries, as 0..255 floats."""
    return [tuple(float(int(entry[i:i + 2], 16)) for i in (0, 2, 4)) for entry in table.split()]


def mix(start, end, fraction):
    return tuple(a + (b - a) * fraction for a, b in zip(start, end))


def table_at(table, position):
    """The one-way table read at 0..1, between entries linearly."""
    place = position * (len(table) - 1)
    index = min(int(place), len(table) - 2)
    return mix(table[index], table[index + 1], place - index)


def mirrored(colour_at, count):
    """A one-way map there and back: count colours from 0 up to 1 and down
    again, each end once, so the loop has no seam."""
    half = count // 2
    return [to_bytes(colour_at((i if i <= half else count - i) / half)) for i in range(count)]


def around(table, count):
    """count colours evenly around a table that loops by design."""
    colours = []
    for i in range(count):
        place = i * len(table) / count
        index = int(place)
        colours.append(to_bytes(mix(table[index], table[(index + 1) % len(table)], place - index)))
    return colours


def cube_helix(position, start=0.5, rotations=-1.5, hue=1.0, gamma=1.0):
    lightness = position ** gamma
    amplitude = hue * lightness * (1 - lightness) / 2
    angle = 2 * math.pi * (start / 3 + rotations * position)
    cosine, sine = math.cos(angle), math.sin(angle)
    return tuple(255 * (lightness + amplitude * (a * cosine + b * sine))
                 for a, b in ((-0.14861, 1.78277), (-0.29227, -0.90649), (1.97294, 0.0)))


def to_bytes(colour):
    return tuple(min(255, max(0, round(channel))) for channel in colour)


BLACK = (0, 0, 0)

PALETTES = {
    "FIRE.PAL": loop_of_keys(
        [(16, 0, 0), (96, 0, 0), (192, 24, 0), (255, 96, 0), (255, 176, 16),
         (255, 240, 128), (255, 176, 16), (255, 96, 0), (192, 24, 0), (96, 0, 0)], 200),
    "ICE.PAL": loop_of_keys(
        [(0, 16, 64), (0, 64, 160), (32, 144, 224), (128, 208, 255), (224, 248, 255),
         (128, 208, 255), (32, 144, 224), (0, 64, 160)], 192),
    "RAINBOW.PAL": hue_circle(236),
    "SUNSET.PAL": loop_of_keys(
        [(40, 0, 72), (128, 16, 112), (224, 48, 72), (255, 112, 32), (255, 184, 48),
         (255, 112, 32), (232, 72, 96), (128, 16, 112)], 216),
    # Perceptually uniform maps.
    "VIRIDIS.PAL": mirrored(lambda position: table_at(listed_map(VIRIDIS), position), 236),
    "MAGMA.PAL": mirrored(lambda position: table_at(listed_map(MAGMA), position), 236),
    "INFERNO.PAL": mirrored(lambda position: table_at(listed_map(INFERNO), position), 236),
    "PLASMA.PAL": mirrored(lambda position: table_at(listed_map(PLASMA), position), 236),
    "CIVIDIS.PAL": mirrored(lambda position: table_at(listed_map(CIVIDIS), position), 236),
    "TWILIGHT.PAL": around(listed_map(TWILIGHT), 236),
    "CUBEHELIX.PAL": mirrored(cube_helix, 236),
    # Within one hue, dark to pale.
    "EMERALD.PAL": loop_of_keys(
        [(0, 24, 8), (0, 80, 32), (0, 150, 64), (48, 220, 112), (176, 255, 200),
         (48, 220, 112), (0, 150, 64), (0, 80, 32)], 200),
    "VIOLET.PAL": loop_of_keys(
        [(24, 0, 48), (64, 8, 120), (112, 40, 192), (168, 104, 240), (228, 200, 255),
         (168, 104, 240), (112, 40, 192), (64, 8, 120)], 200),
    "AMBER.PAL": loop_of_keys(
        [(40, 16, 0), (104, 44, 0), (176, 92, 0), (240, 156, 16), (255, 224, 144),
         (240, 156, 16), (176, 92, 0), (104, 44, 0)], 200),
    "CRIMSON.PAL": loop_of_keys(
        [(40, 0, 8), (104, 0, 20), (176, 8, 40), (232, 48, 80), (255, 168, 184),
         (232, 48, 80), (176, 8, 40), (104, 0, 20)], 200),
    # Several hues.
    "PASTEL.PAL": hue_circle(216, 0.35),
    "OCEAN.PAL": loop_of_keys(
        [(0, 8, 40), (0, 40, 100), (0, 96, 150), (0, 150, 170), (64, 210, 200),
         (200, 250, 232), (64, 210, 200), (0, 150, 170), (0, 96, 150), (0, 40, 100)], 220),
    # Dark gaps: rings in them vanish and light up again as the palette turns.
    "NEON.PAL": loop_of_timed_keys(
        [(BLACK, 12), (BLACK, 18), ((0, 255, 255), 4), ((0, 255, 255), 18),
         (BLACK, 12), (BLACK, 18), ((255, 0, 224), 4), ((255, 0, 224), 18),
         (BLACK, 12), (BLACK, 18), ((128, 255, 0), 4), ((128, 255, 0), 18),
         (BLACK, 12), (BLACK, 18), ((255, 128, 0), 4), ((255, 128, 0), 18)]),
    "STROBE.PAL": loop_of_timed_keys(
        [(BLACK, 36), (BLACK, 18), ((255, 255, 255), 2), ((255, 255, 255), 18),
         (BLACK, 36), (BLACK, 18), ((176, 208, 255), 2), ((176, 208, 255), 18),
         (BLACK, 36), (BLACK, 18), ((232, 192, 255), 2), ((232, 192, 255), 18)]),
    "EMBERS.PAL": loop_of_timed_keys(
        [(BLACK, 20), (BLACK, 12), ((96, 8, 0), 12), ((255, 120, 16), 6), ((255, 200, 96), 16),
         ((96, 8, 0), 12), (BLACK, 28), (BLACK, 12), ((128, 24, 0), 14), ((255, 160, 32), 20),
         ((64, 4, 0), 10), (BLACK, 16), (BLACK, 14), ((200, 72, 0), 12), ((255, 220, 140), 18),
         ((80, 8, 0), 12)]),
    "AURORA.PAL": loop_of_timed_keys(
        [(BLACK, 20), (BLACK, 16), ((32, 200, 96), 14), ((120, 255, 160), 16), ((0, 160, 140), 16),
         (BLACK, 24), (BLACK, 16), ((112, 48, 224), 14), ((200, 120, 255), 16), ((48, 200, 160), 18),
         (BLACK, 16)]),
}


def main():
    os.makedirs(OUTPUT, exist_ok=True)
    for name, colours in PALETTES.items():
        lines = [str(len(colours))] + ["%d %d %d" % colour for colour in colours]
        with open(os.path.join(OUTPUT, name), "wb") as output:
            output.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


if __name__ == "__main__":
    main()
